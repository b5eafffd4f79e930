<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Програма для знімання зображень і вимірювань із цифровими USB-мікроскопами.
Щодо технічної підтримки або повідомлень про проблеми звертайтеся до свого дилера.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>BDWidget</name>
    <message>
        <source>坐标</source>
        <translation>Координати</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Лінія</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Ламана</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Прямокутник</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Багатокутник</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Паралельні лінії</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Перпендикуляр</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Допоміжні лінії</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Кут</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Дуга</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Коло</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Коло за двома точками</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Коло за трьома точками</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Концентричні кола</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Два кола</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Перемістити</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Перехрестя</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Скасувати дію</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Повторити дію</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Очистити все</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Вимірювання</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Стиль вимірювань</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Колір</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Калібрування</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Поточне калібрування</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Список калібрувань</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>Нове калібрування</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Збільшення</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Дійсна довжина</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Суцільна</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Штрихова</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Стерти всі вимірювання?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Видалити калібрування %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Не вдалося зберегти файл калібрування.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Не вдалося прочитати файл калібрування. Список калібрувань не змінено.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>Значення має бути більшим за нуль.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (знімок)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Видалити «%1»?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Видалити всі елементи (%1)?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Не вдалося видалити:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>Файл, що записується, не можна перейменувати.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Нова назва</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>Назва не може бути порожньою або містити «/» чи «\».</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Файл із такою назвою вже існує.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Не вдалося перейменувати файл.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Не вдалося зберегти:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Копіювання файлів...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Не вдалося імпортувати:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Не вдалося перейменувати:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Продовжити</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Відповідний відеопристрій не знайдено. Під&apos;єднайте мікроскоп безпосередньо до USB-порту комп&apos;ютера.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Текст</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>名称</source>
        <translation>Назва</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>За розміром</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Зберегти фото з вимірюваннями</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Не вдалося зберегти зображення.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Координати</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Перезаписати оригінальне зображення %1 результатами вимірювань?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Довжина</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Площа</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Периметр</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Кут</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Радіус</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Діаметр</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Відрізки</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Довжина кола</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Радіус 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Примітка</translation>
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
        <translation>Так</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>测量结果…</source>
        <translation>Результати…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Зберігати результати разом із фото</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>Фото збережено, але результати зберегти не вдалося: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Підсумок</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Експорт CSV…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Копіює всю таблицю з розділювачами-табуляціями для вставлення в електронну таблицю</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Величина</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>К-сть</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Середнє</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Ст. відх.</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Мін.</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Експорт CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Не вдалося записати файл: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Масштабна лінійка</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Тека для фото</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Тека для відео</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>Час початку має бути пізнішим за поточний.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Знімки</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Відео</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Час початку</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Інтервал</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Тривалість відео</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Усього</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Виконано знімань</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Почати</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc: закрити повний екран</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Китайська (спрощена)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Англійська</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Китайська (традиційна)</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Французька</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Італійська</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Японська</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Корейська</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Російська</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Німецька</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Іспанська</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Португальська</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Нідерландська</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Польська</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Українська</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Литовська</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Угорська</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Не вдалося запустити камеру.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>Камеру не запущено.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Частота кадрів</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Координати</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Спочатку виберіть і відкрийте теку для збереження: у правому верхньому куті «Огляд файлів» → «Фото» → «image» або «Огляд файлів» → «Відео» → «movie», а потім відкрийте теку всередині неї.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Не вдалося зберегти фото.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Видалити все</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Зберегти все як</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Не вдалося відкрити файл.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Зображення та відео</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Час експозиції</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Підсилення</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Насиченість</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Відтінок</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Гамма</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Різкість</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Підсилення червоного</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Підсилення зеленого</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Підсилення синього</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Автоекспозиція</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Усунення серпанку</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Чорно-біле</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Автобаланс</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Колірна температура</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>По горизонталі</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>По вертикалі</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Зміна роздільної здатності очистить результати вимірювань. Продовжити?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Записати відео</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>Не вдалося записати відео.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>Камеру від’єднано, запис зупинено.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Зробити знімок</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Записати відео</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Знімання за таймером</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Повний екран</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Перемкнути вигляд</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Вимірювання</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Огляд файлів</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Фото</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Відео</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Камера:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Роздільність:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Фото:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Відео:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Експозиція і підсилення</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Налаштування кольору</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Баланс білого</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Віддзеркалення</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Скинути налаштування</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Дата й час</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Перехрестя</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Тека для фото</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Тека для відео</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Роздільність</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Знімання за таймером</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Китайська (спрощена)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Англійська</translation>
    </message>
</context>
</TS>
