<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Программа для съёмки изображений и измерений с цифровыми USB-микроскопами.
По вопросам технической поддержки и о неполадках обращайтесь к вашему дилеру.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>BDWidget</name>
    <message>
        <source>坐标</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Ломаная</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Многоугольник</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Параллельные линии</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Перпендикуляр</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Линии сетки</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Дуга</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Окружность</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Окружность по 2 точкам</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Окружность по 3 точкам</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Концентрические окружности</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Две окружности</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Переместить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Перекрестие</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Измерения</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Оформление измерений</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Текущая калибровка</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Список калибровок</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>Новая калибровка</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Увеличение</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Реальная длина</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Сплошная</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Пунктирная</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Удалить все измерения?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Удалить калибровку %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Не удалось сохранить файл калибровки.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Не удалось прочитать файл калибровки. Список калибровок не изменён.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>Значение должно быть больше нуля.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (снимок)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Удалить «%1»?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Удалить все элементы (%1)?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Не удалось удалить:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>Записываемый файл нельзя переименовать.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Новое имя</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>Имя не может быть пустым или содержать «/» или «\».</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Файл с таким именем уже существует.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Не удалось переименовать файл.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Не удалось сохранить:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Копирование файлов...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Не удалось импортировать:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Не удалось переименовать:</translation>
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
        <translation>Продолжить</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Подходящее видеоустройство не найдено. Подключите микроскоп напрямую к USB-порту компьютера.</translation>
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
        <translation>Имя</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>По размеру</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Сохранить фото</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Не удалось сохранить изображение.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Перезаписать исходное изображение %1 с результатами измерений?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Площадь</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Периметр</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Радиус</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Диаметр</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Отрезки</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Длина окружности</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Радиус 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Заметка</translation>
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
        <translation>Да</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>测量结果…</source>
        <translation>Результаты…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Сохранять результаты вместе с фото</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>Фото сохранено, но результаты сохранить не удалось: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Экспорт CSV…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Копирует всю таблицу с разделителями-табуляциями для вставки в электронную таблицу</translation>
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
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Ст. откл.</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Не удалось записать файл: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Масштабная линейка</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Папка для фото</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Папка для видео</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>Время начала должно быть позже текущего.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Длина видео</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Выполнено съёмок</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc: закрыть полный экран</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Украинский</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Литовский</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Венгерский</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Не удалось запустить камеру.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>Камера не запущена.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Сначала выберите и откройте папку для сохранения: справа вверху «Обзор файлов» → «Фото» → папка в «image» или «Обзор файлов» → «Видео» → папка в «movie».</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Не удалось сохранить фото.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Сохранить все как</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Изображения и видео</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Время экспозиции</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Усиление</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Гамма</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Резкость</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Усиление красного</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Усиление зелёного</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Усиление синего</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Автоэкспозиция</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Устранение дымки</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Чёрно-белое</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Автобаланс</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Цветовая температура</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>По горизонтали</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>По вертикали</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>При изменении разрешения измерения будут очищены. Продолжить?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Записать видео</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>Не удалось записать видео.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>Камера отключена, запись остановлена.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Сделать снимок</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Записать видео</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Съёмка по таймеру</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Переключить вид</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Измерения</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Обзор файлов</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Фото</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Видео</translation>
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
        <translation>Разрешение:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Фото:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Видео:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Экспозиция и усиление</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Настройка цвета</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Баланс белого</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Отражение</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Перекрестие</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Папка для фото</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Папка для видео</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Съёмка по таймеру</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
</context>
</TS>
