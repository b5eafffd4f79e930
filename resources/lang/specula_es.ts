<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Software de captura de imágenes y medición para microscopios digitales USB.
Para asistencia técnica o para informar de un problema, póngase en contacto con su distribuidor.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
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
        <translation>Línea</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polilínea</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Líneas paralelas</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Perpendicular</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Líneas de referencia</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Ángulo</translation>
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
        <translation>Círculo por dos puntos</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Círculo por tres puntos</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Círculos concéntricos</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Dos círculos</translation>
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
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Retícula</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Estilo de medición</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Calibración activa</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Lista de calibraciones</translation>
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
        <translation>Nueva calibración</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Aumento</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Longitud real</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Discontinua</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>¿Eliminar todas las mediciones?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>¿Eliminar la calibración %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>No se ha podido guardar el archivo de calibración.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>No se ha podido leer el archivo de calibración. La lista de calibraciones no ha cambiado.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>El valor debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (imagen)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>¿Eliminar los %1 elementos?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>No se ha podido eliminar:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>El archivo que se está grabando no se puede renombrar.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>El nombre no puede estar vacío ni contener «/» o «\».</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Ya existe un archivo con ese nombre.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>No se ha podido cambiar el nombre del archivo.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>No se ha podido guardar:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Copiando archivos...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>No se ha podido importar:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>No se ha podido cambiar el nombre:</translation>
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
        <translation>Reanudar</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>No se ha encontrado ningún dispositivo de vídeo compatible. Conecte el microscopio directamente a un puerto USB del ordenador.</translation>
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
        <translation>Nombre</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Guardar la foto con las mediciones</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>No se ha podido guardar la imagen.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>¿Sobrescribir la imagen original %1 con las mediciones?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Anchura</translation>
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
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Segmentos</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Circunferencia</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Radio 2</translation>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
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
        <translation>Guardar los resultados con las fotos</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>La foto se ha guardado, pero sus resultados no: %1</translation>
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
        <translation>Resumen</translation>
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
        <translation>Copia toda la tabla, separada por tabuladores, para pegarla en una hoja de cálculo</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Desv. est.</translation>
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
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>No se ha podido escribir el archivo: %1</translation>
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
        <translation>Carpeta de fotos</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Carpeta de vídeos</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
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
        <translation>La hora de inicio debe ser posterior a la hora actual.</translation>
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
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Duración del vídeo</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Capturas realizadas</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc: quitar pantalla completa</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Polaco</translation>
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
        <translation>No se ha podido iniciar la cámara.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>La cámara no está iniciada.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Primero seleccione y abra la carpeta donde desea guardar: arriba a la derecha, «Examinar archivos» → «Fotos» → «image» o «Examinar archivos» → «Vídeos» → «movie», y abra una carpeta dentro de ella.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>No se ha podido guardar la foto.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Guardar todo como</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>No se ha podido abrir el archivo.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Imágenes y vídeos</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Tiempo de exposición</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Ganancia de rojo</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Ganancia de verde</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Ganancia de azul</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Exposición automática</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Eliminar neblina</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Balance automático</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Temperatura de color</translation>
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
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Cambiar la resolución borra las mediciones. ¿Continuar?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>La grabación ha fallado.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>La cámara se ha desconectado; la grabación se ha detenido.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Tomar foto</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Captura programada</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Cambiar vista</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Examinar archivos</translation>
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
        <translation>Cámara:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Resolución:</translation>
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
        <translation>Exposición y ganancia</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Ajuste de color</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Balance de blancos</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Restablecer valores</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Fecha y hora</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Carpeta de fotos</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Carpeta de vídeos</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Captura programada</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
</context>
</TS>
