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
        <translation>Wykonano</translation>
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
        <translation>Naciśnij Esc, aby wyjść</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Dopasuj</translation>
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
        <translation>Liczba klatek</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Współrzędne</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Nagraj wideo</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>Nagrywanie nie powiodło się.</translation>
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
