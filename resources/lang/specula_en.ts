<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Image capture and measurement software for USB digital microscopes.
For technical support or to report a problem, please contact your dealer.</translation>
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
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polyline</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Parallel lines</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Perpendicular</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Grid lines</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Arc</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Two-point circle</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Three-point circle</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Concentric circles</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Two circles</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Crosshair</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Measurement graphics</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Active calibration</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Calibration list</translation>
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
        <translation>New calibration</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Actual length</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Delete all measurements?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Delete calibration %1?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Could not save the calibration file.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Could not read the calibration file. The calibration list has not been changed.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>The value must be greater than zero.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (picture)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Delete “%1”?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Delete all %1 entries?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>These could not be deleted:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>The file being recorded cannot be renamed.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>The name must not be empty or contain “/” or “\”.</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>A file with that name already exists.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Could not rename the file.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>These could not be saved:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Copying files...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>These could not be imported:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>These could not be renamed:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Unfreeze</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>No suitable video device found. Please connect the microscope directly to a USB port of the computer.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>Fit</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Save photo</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Could not save the image.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Overwrite the original image %1 with the measurements?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Perimeter</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Circumference</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Radius 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
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
        <translation>Yes</translation>
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
        <translation>Results…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Save results with pictures</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>The picture was saved, but its results could not be: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Copies the whole table, tab-separated, for pasting into a spreadsheet</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Std. dev.</translation>
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
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Could not write the file: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Scale bar</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Photo folder</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Video folder</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>The start time must be later than the current time.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Video length</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Number taken</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Press Esc to exit full screen</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>English</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>French</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>German</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Ukrainian</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Lithuanian</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Could not start the camera.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>The camera is not running.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Please first select and open the folder to save in: at the top right, “Browse files” → “Photos” → a folder in “image”, or “Browse files” → “Videos” → a folder in “movie”.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Could not save the photo.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Save all as</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Could not open the file.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Pictures and videos</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Exposure time</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Sharpness</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Red gain</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Green gain</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Blue gain</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Auto exposure</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Dehaze</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Black and white</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Auto white balance</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Color temperature</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Flip horizontally</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Flip vertically</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Changing the resolution clears the measurements. Continue?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Record video</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>The recording failed.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>The camera was disconnected; the recording has stopped.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Take photo</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Record video</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Timed capture</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Switch view</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Browse files</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Photos</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Videos</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Camera:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Photo:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Exposure and gain</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Color adjustment</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>White balance</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Crosshair</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Photo folder</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Video folder</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Timed capture</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
</context>
</TS>
