<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>Apie</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Versija %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Vaizdų fiksavimo ir matavimo programa USB skaitmeniniams mikroskopams.
Dėl techninės pagalbos arba norėdami pranešti apie problemą kreipkitės į savo pardavėją.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>BDWidget</name>
    <message>
        <source>坐标</source>
        <translation>Koordinatės</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Linija</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Laužtė</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Stačiakampis</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Daugiakampis</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Lygiagrečios linijos</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Statmuo</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Pagalbinės linijos</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Kampas</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Lankas</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Apskritimas</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Apskritimas per du taškus</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Apskritimas per tris taškus</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Koncentriniai apskritimai</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Du apskritimai</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Tekstas</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Perkelti</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Ištrinti</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Kryžminės linijos</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Anuliuoti</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Perdaryti</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Išvalyti viską</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Matavimas</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Matavimų stilius</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Spalva</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Šriftas</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Dydis</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Kalibravimas</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Aktyvus kalibravimas</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Redaguoti</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Kalibravimų sąrašas</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Eksportas</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Importas</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>Naujas kalibravimas</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Didinimas</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Tikrasis ilgis</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Pridėti</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Atgal</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Ištisinė</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Brūkšninė</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Ištrinti visus matavimus?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Ištrinti kalibravimą %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Nepavyko įrašyti kalibravimo failo.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Nepavyko nuskaityti kalibravimo failo. Kalibravimų sąrašas nepakeistas.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>Reikšmė turi būti didesnė už nulį.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (nuotrauka)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Ištrinti „%1“?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Ištrinti visus įrašus (%1)?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Nepavyko ištrinti:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>Įrašomo failo pervadinti negalima.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Naujas pavadinimas</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Pavadinimas</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>Pavadinimas negali būti tuščias ar turėti „/“ arba „\“.</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Failas tokiu pavadinimu jau yra.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Nepavyko pervadinti failo.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Nepavyko įrašyti:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Kopijuojami failai...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Nepavyko importuoti:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Nepavyko pervadinti:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Sustabdyti kadrą</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Tęsti</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Tinkamas vaizdo įrenginys nerastas. Prijunkite mikroskopą tiesiai prie kompiuterio USB prievado.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Tekstas</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>名称</source>
        <translation>Pavadinimas</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>Pritaikyti</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Įrašyti nuotrauką su matavimais</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Įrašyti kaip</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Spausdinti</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Uždaryti</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Nepavyko įrašyti paveikslėlio.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Koordinatės</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Įrašyti matavimų rezultatus į originalų paveikslėlį %1? Originalas bus perrašytas.</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Ilgis</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Plotis</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Aukštis</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Plotas</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Perimetras</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Kampas</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Spindulys</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Skersmuo</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Atkarpos</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Apskritimo ilgis</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Spindulys 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipas</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Pastaba</translation>
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
        <translation>Taip</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>测量结果…</source>
        <translation>Rezultatai…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Įrašyti rezultatus kartu su nuotraukomis</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>Nuotrauka įrašyta, bet jos rezultatų įrašyti nepavyko: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Rezultatai</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Suvestinė</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Eksportuoti CSV…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopijuoti</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Nukopijuoja visą lentelę, atskirtą tabuliacijomis, įklijuoti į skaičiuoklę</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipas</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Rodiklis</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Kiekis</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Vidurkis</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Stand. nuokr.</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maks.</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Eksportuoti CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV failai (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Nepavyko įrašyti failo: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Mastelio juosta</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Nuotraukų aplankas</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Naršyti</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Vaizdo įrašų aplankas</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>Pradžios laikas turi būti vėlesnis už dabartinį.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Nuotraukos</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Vaizdo įrašai</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Pradžios laikas</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Intervalas</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Vaizdo įrašo trukmė</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Iš viso</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Užfiksuotų skaičius</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Pradėti</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Sustabdyti</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Uždaryti</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc – išeiti iš viso ekrano</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Kinų (supaprastinta)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Anglų</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Kinų (tradicinė)</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Prancūzų</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Italų</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonų</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Korėjiečių</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Rusų</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Vokiečių</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Ispanų</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Portugalų</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Nyderlandų</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Lenkų</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Ukrainiečių</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Lietuvių</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Vengrų</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Nepavyko paleisti kameros.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>Kamera nepaleista.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Kadrų dažnis</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Koordinatės</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Pirmiausia pasirinkite ir atidarykite aplanką, į kurį norite įrašyti: viršutiniame dešiniajame kampe „Naršyti failus“ → „Nuotraukos“ → „image“ arba „Naršyti failus“ → „Vaizdo įrašai“ → „movie“, tada jame atidarykite aplanką.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Nepavyko įrašyti nuotraukos.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Atidaryti</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Ištrinti</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Ištrinti viską</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Pervadinti</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Įrašyti kaip</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Įrašyti viską kaip</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Nepavyko atidaryti failo.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Nuotraukos ir vaizdo įrašai</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Ekspozicijos laikas</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Stiprinimas</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Šviesumas</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Kontrastas</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Sodrumas</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Atspalvis</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gama</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Ryškumas</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Raudonos stiprinimas</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Žalios stiprinimas</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Mėlynos stiprinimas</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Automatinė ekspozicija</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Rūko šalinimas</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Nespalvotas</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Automatinis balansas</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Spalvinė temperatūra</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Horizontaliai</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Vertikaliai</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Sustabdyti įrašymą</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Pakeitus skyrą, matavimai bus išvalyti. Tęsti?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Įrašyti vaizdo įrašą</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>Įrašyti nepavyko.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>Kamera atjungta, įrašymas sustabdytas.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Fotografuoti</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Įrašyti vaizdo įrašą</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Fotografavimas laikmačiu</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Visas ekranas</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Perjungti vaizdą</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Nustatymai</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Matavimas</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Naršyti failus</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Nuotraukos</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Vaizdo įrašai</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Kamera:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Formatas:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Raiška:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Nuotrauka:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Vaizdo įrašas:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Ekspozicija ir stiprinimas</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Spalvų koregavimas</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Baltos spalvos balansas</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Apvertimas</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Atkurti numatytuosius</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Failas</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Parinktys</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Data ir laikas</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Kryžminės linijos</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Kalba</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importuoti</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Nuotraukų aplankas</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Vaizdo įrašų aplankas</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Spausdinti</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Išeiti</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Raiška</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Įjungta</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Išjungta</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Apie</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Fotografavimas laikmačiu</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Kinų (supaprastinta)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglų</translation>
    </message>
</context>
</TS>
