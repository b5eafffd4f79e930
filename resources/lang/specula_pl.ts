<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Oprogramowanie do rejestracji obrazu i pomiarów dla cyfrowych mikroskopów USB.
W sprawie pomocy technicznej lub zgłoszenia problemu skontaktuj się ze sprzedawcą.</translation>
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
        <translation>Współrzędne</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Linia łamana</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Wielokąt</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Linie równoległe</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Prostopadła</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Linie pomocnicze</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Kąt</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Łuk</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Okrąg</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Okrąg przez dwa punkty</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Okrąg przez trzy punkty</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Okręgi współśrodkowe</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Dwa okręgi</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Przesuń</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Krzyż nitkowy</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Pomiar</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Styl pomiarów</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Aktywna kalibracja</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Lista kalibracji</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>Nowa kalibracja</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Dł. rzeczywista</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Ciągła</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Przerywana</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Usunąć wszystkie pomiary?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Usunąć kalibrację %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Nie udało się zapisać pliku kalibracji.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Nie udało się odczytać pliku kalibracji. Lista kalibracji nie została zmieniona.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>Wartość musi być większa od zera.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (zdjęcie)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Usunąć „%1”?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Usunąć wszystkie elementy (%1)?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Nie udało się usunąć:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>Nagrywanego pliku nie można zmienić nazwy.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Nowa nazwa</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>Nazwa nie może być pusta ani zawierać „/” lub „\”.</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Plik o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Nie udało się zmienić nazwy pliku.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Nie udało się zapisać:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Kopiowanie plików...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Nie udało się zaimportować:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Nie można zmienić nazwy:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Zamroź</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Wznów</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Nie znaleziono odpowiedniego urządzenia wideo. Podłącz mikroskop bezpośrednio do portu USB komputera.</translation>
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
        <translation>Nazwa</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>Dopasuj</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Zapisz zdjęcie z pomiarami</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Nie udało się zapisać obrazu.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Współrzędne</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Nadpisać oryginalny obraz %1 wynikami pomiarów?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Obwód</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Kąt</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Promień</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Średnica</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Odcinki</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Obwód koła</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Promień 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Notatka</translation>
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
        <translation>Tak</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Nie</translation>
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
        <translation>Wyniki…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Zapisuj wyniki razem ze zdjęciami</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>Zdjęcie zapisano, ale wyników nie udało się zapisać: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Eksportuj CSV…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Kopiuje całą tabelę rozdzieloną tabulatorami do wklejenia w arkuszu kalkulacyjnym</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Wielkość</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Odch. std.</translation>
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
        <translation>Eksportuj CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Nie można zapisać pliku: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Podziałka</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Folder zdjęć</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Folder filmów</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>Czas rozpoczęcia musi być późniejszy niż bieżący.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Filmy</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Czas rozpoczęcia</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Długość filmu</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Łącznie</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Wykonane ujęcia</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc: zamknij pełny ekran</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Ukraiński</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Litewski</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Węgierski</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Nie udało się uruchomić kamery.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>Kamera nie jest uruchomiona.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Częstotliwość klatek</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Współrzędne</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Najpierw wybierz i otwórz folder, w którym chcesz zapisywać: w prawym górnym rogu „Przeglądaj pliki” → „Zdjęcia” → „image” lub „Przeglądaj pliki” → „Filmy” → „movie”, a następnie otwórz folder wewnątrz niego.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Nie udało się zapisać zdjęcia.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Zapisz wszystko jako</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Nie udało się otworzyć pliku.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Zdjęcia i filmy</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Czas naświetlania</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Wzmocnienie</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Nasycenie</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Odcień</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Ostrość</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Wzmocnienie czerwieni</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Wzmocnienie zieleni</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Wzmocnienie błękitu</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Automatyczna ekspozycja</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Usuwanie zamglenia</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Czarno-białe</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Automatyczny balans bieli</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Temperatura barwowa</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Odbij w poziomie</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Odbij w pionie</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Zmiana rozdzielczości wyczyści pomiary. Kontynuować?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Nagraj wideo</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>Nagrywanie nie powiodło się.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>Kamera została odłączona; nagrywanie zatrzymano.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Zrób zdjęcie</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Nagraj wideo</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Rejestracja czasowa</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Przełącz widok</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Pomiar</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Przeglądaj pliki</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Filmy</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Kamera:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Rozdzielczość:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Zdjęcie:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Wideo:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Ekspozycja i wzmocnienie</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Regulacja kolorów</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Balans bieli</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Odbicie</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Krzyż nitkowy</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Folder zdjęć</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Folder filmów</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Rejestracja czasowa</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
</context>
</TS>
