<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Képrögzítő és mérőszoftver USB-s digitális mikroszkópokhoz.
Műszaki támogatásért vagy hiba bejelentéséhez forduljon a forgalmazójához.</translation>
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
        <translation>Koordináták</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Vonal</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Töröttvonal</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Téglalap</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Sokszög</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Párhuzamos vonalak</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Merőleges</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Segédvonalak</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Szög</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Körív</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Kör</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Kétpontos kör</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Hárompontos kör</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Koncentrikus körök</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Két kör</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Szöveg</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Mozgatás</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Szálkereszt</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Visszavonás</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Mérések törlése</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Mérés</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Mérések stílusa</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Szín</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Betűtípus</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Kalibrálás</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Aktuális kalibrálás</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Kalibrálások listája</translation>
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
        <translation>Új kalibrálás</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Nagyítás</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Valós hossz</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Folytonos</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Szaggatott</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Törli az összes mérést?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Törli ezt a kalibrálást: %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Nem sikerült menteni a kalibrációs fájlt.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>A kalibrációs fájl nem olvasható. A kalibrálások listája nem változott.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>Az értéknek nullánál nagyobbnak kell lennie.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (kép)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Törli ezt: „%1”?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Törli mind a(z) %1 elemet?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Nem sikerült törölni:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>A felvétel alatt álló fájl nem nevezhető át.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Új név</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>A név nem lehet üres, és nem tartalmazhat „/” vagy „\” jelet.</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Már létezik ilyen nevű fájl.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Nem sikerült átnevezni a fájlt.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Nem sikerült menteni:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Fájlok másolása...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Nem sikerült importálni:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Nem sikerült átnevezni:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Kimerevítés</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Folytatás</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Nem található megfelelő videoeszköz. Csatlakoztassa a mikroszkópot közvetlenül a számítógép egyik USB-portjához.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Szöveg</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>名称</source>
        <translation>Név</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>Illesztés</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Fénykép mentése a mérésekkel</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Mentés másként</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Nem sikerült menteni a képet.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Koordináták</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Felülírja az eredeti %1 képet a mérési eredményekkel?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Hossz</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Szélesség</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Magasság</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Terület</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Kerület</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Szög</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Sugár</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Átmérő</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Szakaszok</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Kerület (kör)</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Sugár 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Megjegyzés</translation>
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
        <translation>Igen</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Nem</translation>
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
        <translation>Eredmények…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Eredmények mentése a képekkel</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>A kép elmentve, de az eredményeket nem sikerült menteni: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Eredmények</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Összesítés</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>CSV exportálása…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>A teljes táblázatot tabulátorral tagolva másolja, táblázatkezelőbe illesztéshez</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Mennyiség</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Darab</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Átlag</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Szórás</translation>
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
        <translation>CSV exportálása</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV-fájlok (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Nem sikerült írni a fájlt: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Méretarány-sáv</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Fényképek mappája</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Tallózás</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Videók mappája</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>A kezdési időnek későbbinek kell lennie a jelenlegi időnél.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Fényképek</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Videók</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Kezdési idő</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Időköz</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Videó hossza</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Összesen</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Elkészült felvételek</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc: teljes képernyő bezárása</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Kínai (egyszerűsített)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Angol</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Kínai (hagyományos)</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Olasz</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japán</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Koreai</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Orosz</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Német</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Spanyol</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Portugál</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Holland</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Lengyel</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Ukrán</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Litván</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Magyar</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Nem sikerült elindítani a kamerát.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>A kamera nincs elindítva.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Képkockasebesség</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Koordináták</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Először válassza ki és nyissa meg a mentési mappát: a jobb felső sarokban „Fájlok tallózása” → „Fényképek” → „image” vagy „Fájlok tallózása” → „Videók” → „movie”, majd nyisson meg benne egy mappát.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Nem sikerült menteni a fényképet.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Összes törlése</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Átnevezés</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Mentés másként</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Összes mentése másként</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Nem sikerült megnyitni a fájlt.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Képek és videók</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Expozíciós idő</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Erősítés</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Fényerő</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Kontraszt</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Telítettség</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Színárnyalat</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Élesség</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Vörös erősítés</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Zöld erősítés</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Kék erősítés</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Automatikus expozíció</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Párátlanítás</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Fekete-fehér</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Automatikus</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Színhőmérséklet</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Vízszintesen</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Függőlegesen</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Felvétel leállítása</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>A felbontás módosítása törli a méréseket. Folytatja?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Videó rögzítése</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>A felvétel sikertelen.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>A kamera kapcsolata megszakadt, a felvétel leállt.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Fénykép készítése</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Videó rögzítése</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Időzített felvétel</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Teljes képernyő</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Nézetváltás</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Mérés</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Fájlok tallózása</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Fényképek</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Videók</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Kamera:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Formátum:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Felbontás:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Fénykép:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Videó:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Expozíció és erősítés</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Színbeállítás</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Fehéregyensúly</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Tükrözés</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Alapértékek</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Opciók</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Dátum és idő</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Szálkereszt</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importálás</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Fényképek mappája</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Videók mappája</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Felbontás</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Időzített felvétel</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Kínai (egyszerűsített)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angol</translation>
    </message>
</context>
</TS>
