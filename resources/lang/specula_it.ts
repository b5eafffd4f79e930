<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Software di acquisizione immagini e misura per microscopi digitali USB.
Per assistenza tecnica o per segnalare un problema, rivolgersi al proprio rivenditore.</translation>
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
        <translation>Coordinate</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polilinea</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Poligono</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Linee parallele</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Perpendicolare</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Linee di griglia</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Arco</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Cerchio per 2 punti</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Cerchio per 3 punti</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Cerchi concentrici</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Due cerchi</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Reticolo</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Grafica di misura</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Calibrazione attiva</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Elenco calibrazioni</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>Nuova calibrazione</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Ingrandimento</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Lunghezza reale</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Tratteggiata</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Eliminare tutte le misure?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Eliminare la calibrazione %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Impossibile salvare il file di calibrazione.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Impossibile leggere il file di calibrazione. L&apos;elenco delle calibrazioni non è stato modificato.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>Il valore deve essere maggiore di zero.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (immagine)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Eliminare «%1»?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Eliminare tutti i %1 elementi?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Impossibile eliminare:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>Il file in registrazione non può essere rinominato.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>Il nome non può essere vuoto né contenere «/» o «\».</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Esiste già un file con questo nome.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Impossibile rinominare il file.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Impossibile salvare:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Copia dei file...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Impossibile importare:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Impossibile rinominare:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Congela</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Riprendi</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Nessun dispositivo video compatibile rilevato. Collegare il microscopio direttamente a una porta USB del computer.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Testo</translation>
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
        <translation>Adatta</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Salva foto</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Impossibile salvare l&apos;immagine.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Sovrascrivere l&apos;immagine originale %1 con le misure?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Perimetro</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Raggio</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Segmenti</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Circonferenza</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Raggio 2</translation>
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
        <translation>Sì</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
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
        <translation>Risultati…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Salva i risultati con le foto</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>La foto è stata salvata, ma i risultati no: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Esporta CSV…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Copia l&apos;intera tabella, separata da tabulazioni, da incollare in un foglio di calcolo</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Grandezza</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Dev. std.</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Impossibile scrivere il file: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Barra di scala</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Cartella foto</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Cartella video</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>L&apos;ora di inizio deve essere successiva all&apos;ora attuale.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Durata del video</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Scatti eseguiti</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc: esci da schermo intero</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Giapponese</translation>
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
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Ucraino</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Ungherese</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Impossibile avviare la telecamera.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>La telecamera non è avviata.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Selezionare e aprire prima la cartella in cui salvare: in alto a destra, «Sfoglia file» → «Foto» → una cartella in «image», oppure «Sfoglia file» → «Video» → una cartella in «movie».</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Impossibile salvare la foto.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Salva tutto con nome</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Immagini e video</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Tempo di esposizione</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Nitidezza</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Guadagno rosso</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Guadagno verde</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Guadagno blu</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Esposizione automatica</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Rimozione foschia</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Bilanciamento automatico</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Temperatura colore</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Ferma la registrazione</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Cambiare la risoluzione cancella le misure. Continuare?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Registra video</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>La registrazione non è riuscita.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>La telecamera è stata scollegata; la registrazione si è interrotta.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Scatta foto</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Registra video</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Acquisizione programmata</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Cambia vista</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Sfoglia file</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Telecamera:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Esposizione e guadagno</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Regolazione colore</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Bilanciamento del bianco</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Capovolgi</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Reticolo</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Cartella foto</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Cartella video</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Acquisizione programmata</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
</context>
</TS>
