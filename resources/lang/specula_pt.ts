<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Software de captura de imagens e medição para microscópios digitais USB.
Para suporte técnico ou para relatar um problema, entre em contato com o seu revendedor.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BDWidget</name>
    <message>
        <source>坐标</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polilinha</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Linhas paralelas</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Perpendicular</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Linhas de referência</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Arco</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Círculo por dois pontos</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Círculo por três pontos</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Círculos concêntricos</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Dois círculos</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Retícula</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Medição</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Estilo de medição</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Calibração ativa</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Lista de calibrações</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>Nova calibração</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Ampliação</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Comprimento real</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Contínua</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Tracejada</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Excluir todas as medições?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Excluir a calibração %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Não foi possível salvar o arquivo de calibração.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Não foi possível ler o arquivo de calibração. A lista de calibrações não foi alterada.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>O valor deve ser maior que zero.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (imagem)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Excluir “%1”?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Excluir todos os %1 itens?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Não foi possível excluir:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>O arquivo em gravação não pode ser renomeado.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Novo nome</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>O nome não pode estar vazio nem conter “/” ou “\”.</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Já existe um arquivo com esse nome.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Não foi possível renomear o arquivo.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Não foi possível salvar:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Copiando arquivos...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Não foi possível importar:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Não foi possível renomear:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Retomar</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Nenhum dispositivo de vídeo compatível foi encontrado. Conecte o microscópio diretamente a uma porta USB do computador.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Salvar a foto com as medições</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Não foi possível salvar a imagem.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Sobrescrever a imagem original %1 com as medições?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Perímetro</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Segmentos</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Circunferência</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Raio 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>是</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>测量结果…</source>
        <translation>Resultados…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Salvar os resultados com as fotos</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>A foto foi salva, mas os resultados não: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Copia a tabela inteira, separada por tabulações, para colar em uma planilha</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Grandeza</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Desvio padrão</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Não foi possível gravar o arquivo: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Barra de escala</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Pasta de fotos</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Pasta de vídeos</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>A hora de início deve ser posterior à hora atual.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Duração do vídeo</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Capturas feitas</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc para sair da tela cheia</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Holandês</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Polonês</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Não foi possível iniciar a câmera.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>A câmera não está iniciada.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Primeiro selecione e abra a pasta onde deseja salvar: no canto superior direito, “Procurar arquivos” → “Fotos” → “image” ou “Procurar arquivos” → “Vídeos” → “movie”, e abra uma pasta dentro dela.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Não foi possível salvar a foto.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Excluir tudo</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Salvar tudo como</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Imagens e vídeos</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Tempo de exposição</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gama</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Ganho de vermelho</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Ganho de verde</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Ganho de azul</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Exposição automática</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Remover névoa</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Balanço automático</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Temperatura de cor</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Alterar a resolução limpa as medições. Continuar?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Gravar vídeo</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>A gravação falhou.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>A câmera foi desconectada; a gravação foi interrompida.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Tirar foto</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Gravar vídeo</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Captura programada</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Alternar visualização</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Medição</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Procurar arquivos</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Câmera:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Vídeo:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Exposição e ganho</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Ajuste de cor</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Balanço de branco</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Retícula</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Pasta de fotos</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Pasta de vídeos</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Captura programada</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
</context>
</TS>
