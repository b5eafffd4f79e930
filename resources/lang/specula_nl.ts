<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Software voor beeldopname en metingen met digitale USB-microscopen.
Voor technische ondersteuning of om een probleem te melden kunt u contact opnemen met uw leverancier.</translation>
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
        <translation>Coördinaten</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Lijn</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Gebroken lijn</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Veelhoek</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Evenwijdige lijnen</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Loodlijn</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Hulplijnen</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Hoek</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Boog</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Cirkel door twee punten</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Cirkel door drie punten</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Concentrische cirkels</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Twee cirkels</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Dradenkruis</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Meten</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Meetstijl</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Kalibratie</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Actieve kalibratie</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Kalibratielijst</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>Nieuwe kalibratie</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Vergroting</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Werkelijke lengte</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Doorgetrokken</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Gestippeld</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Alle metingen wissen?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Kalibratie %1 verwijderen?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Kan het kalibratiebestand niet opslaan.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Kan het kalibratiebestand niet lezen. De kalibratielijst is niet gewijzigd.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>De waarde moet groter dan nul zijn.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (afbeelding)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>“%1” verwijderen?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Alle %1 items verwijderen?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Kan niet verwijderen:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>Het bestand dat wordt opgenomen kan niet worden hernoemd.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>De naam mag niet leeg zijn en geen “/” of “\” bevatten.</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Er bestaat al een bestand met die naam.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Kan de naam van het bestand niet wijzigen.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Kan niet opslaan:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Bestanden kopiëren...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Kan niet importeren:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Kan de naam niet wijzigen:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Bevriezen</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Hervatten</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Geen geschikt videoapparaat gevonden. Sluit de microscoop rechtstreeks aan op een USB-poort van de computer.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>名称</source>
        <translation>Naam</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>Passend</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto met metingen opslaan</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Kan de afbeelding niet opslaan.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>De oorspronkelijke afbeelding %1 overschrijven met de metingen?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Oppervlakte</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Omtrek</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Hoek</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Straal</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Segmenten</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Omtrek cirkel</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Straal 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Notitie</translation>
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
        <translation>Ja</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Nee</translation>
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
        <translation>Resultaten…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Resultaten bij foto&apos;s opslaan</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>De foto is opgeslagen, maar de resultaten niet: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>CSV exporteren…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Kopieert de hele tabel, gescheiden door tabs, om in een spreadsheet te plakken</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Grootheid</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Std.-afw.</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Kan het bestand niet schrijven: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Schaalbalk</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Fotomap</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Videomap</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>De starttijd moet later zijn dan de huidige tijd.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Video&apos;s</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Starttijd</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Videolengte</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Gemaakte opnamen</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc sluit volledig scherm</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinees (vereenvoudigd)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chinees (traditioneel)</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Koreaans</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Oekraïens</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Litouws</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Hongaars</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Kan de camera niet starten.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>De camera is niet gestart.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Beeldsnelheid</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Kies en open eerst de map waarin u wilt opslaan: rechtsboven via “Bestanden bekijken” → “Foto&apos;s” → “image” of “Bestanden bekijken” → “Video&apos;s” → “movie”, en open daarin een map.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Kan de foto niet opslaan.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Alles verwijderen</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Alles opslaan als</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Kan het bestand niet openen.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Afbeeldingen en video&apos;s</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Belichtingstijd</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Versterking</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Verzadiging</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Tint</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Scherpte</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Roodversterking</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Groenversterking</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Blauwversterking</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Automatische belichting</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Nevel verwijderen</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Zwart-wit</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Automatische witbalans</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Kleurtemperatuur</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Opname stoppen</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Als u de resolutie wijzigt, worden de metingen gewist. Doorgaan?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Video opnemen</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>De opname is mislukt.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>De camera is losgekoppeld; de opname is gestopt.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Foto maken</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Video opnemen</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Getimede opname</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Weergave wisselen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Meten</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Bestanden bekijken</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Video&apos;s</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Camera:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Formaat:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Resolutie:</translation>
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
        <translation>Belichting en versterking</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Kleuraanpassing</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Witbalans</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Spiegelen</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Standaardwaarden</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Dradenkruis</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Fotomap</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Videomap</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Getimede opname</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinees (vereenvoudigd)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
</context>
</TS>
