<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>USB 디지털 현미경용 영상 캡처 및 측정 소프트웨어입니다.
기술 지원이나 문제 신고는 구입하신 대리점에 문의하십시오.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>BDWidget</name>
    <message>
        <source>坐标</source>
        <translation>좌표</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>선</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>꺾은선</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>다각형</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>평행선</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>수선</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>격자선</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>각도</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>원호</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>원</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>두 점 원</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>세 점 원</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>동심원</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>두 원</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>십자선</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>측정</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>측정 도형</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>교정</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>현재 교정</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>교정 목록</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>새 교정 추가</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>배율</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>실제 길이</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>실선</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>파선</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>모든 측정을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>교정 %1을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>교정 파일을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>교정 파일을 읽을 수 없습니다. 교정 목록은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>값은 0보다 커야 합니다.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (이미지)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>“%1”을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>%1개 항목을 모두 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>다음을 삭제할 수 없습니다:</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>녹화 중인 파일은 이름을 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>새 이름</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>이름은 비워 둘 수 없으며 “/” 또는 “\”를 포함할 수 없습니다.</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>같은 이름의 파일이 이미 있습니다.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>이름을 바꾸지 못했습니다.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>다음을 저장할 수 없습니다:</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>파일 복사 중...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>다음을 가져올 수 없습니다:</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>다음의 이름을 바꿀 수 없습니다:</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>화면 정지</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>정지 해제</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>올바른 비디오 장치를 찾을 수 없습니다. 현미경을 컴퓨터의 USB 포트에 직접 연결하십시오.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>텍스트</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>名称</source>
        <translation>이름</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>창에 맞춤</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>사진 저장</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>이미지를 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>좌표</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>원본 이미지 %1을(를) 측정 결과로 덮어쓰시겠습니까?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>너비</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>면적</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>둘레</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>각도</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>반지름</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>지름</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>선분 수</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>원주</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>반지름 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>메모</translation>
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
        <translation>예</translation>
    </message>
    <message>
        <source>否</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>测量结果…</source>
        <translation>측정 결과…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>사진과 함께 결과 저장</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>사진은 저장되었지만 결과를 저장하지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>측정 결과</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>CSV 내보내기…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>전체 표를 탭으로 구분하여 복사합니다(스프레드시트에 붙여넣기용)</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>개수</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>평균</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>표준편차</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>최소</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>최대</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>CSV 내보내기</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>파일을 쓸 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>스케일 바</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>사진 저장 폴더</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>동영상 저장 폴더</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>시작 시간은 현재 시간보다 이후여야 합니다.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>동영상 길이</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>총 개수</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>촬영 개수</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Esc 키로 전체 화면 종료</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>우크라이나어</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>리투아니아어</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>헝가리어</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>카메라를 시작하지 못했습니다.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>카메라가 실행 중이 아닙니다.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>프레임 속도</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>좌표</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>먼저 저장할 폴더를 선택하여 여십시오. 오른쪽 위의 ‘파일 탐색’ → ‘사진’ → ‘image’ 안의 폴더 또는 ‘파일 탐색’ → ‘동영상’ → ‘movie’ 안의 폴더를 엽니다.</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>사진을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>모두 다른 이름으로 저장</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>사진 및 동영상</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>노출 시간</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>게인</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>대비</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>채도</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>색조</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>감마</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>선명도</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>빨강 게인</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>초록 게인</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>파랑 게인</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>자동 노출</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>안개 제거</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>흑백</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>자동 화이트 밸런스</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>색온도</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>상하 반전</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>해상도를 변경하면 측정 결과가 지워집니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>녹화에 실패했습니다.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>카메라 연결이 끊어져 녹화가 중지되었습니다.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>사진 촬영</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>타이머 촬영</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>화면 전환</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>측정</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>파일 탐색</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>사진</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>동영상</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>카메라:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>형식:</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>해상도:</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>사진:</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>동영상:</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>노출 및 게인</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>색상 조정</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>화이트 밸런스</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>반전</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>날짜/시간</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>십자선</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>사진 저장 폴더</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>동영상 저장 폴더</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>开</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>关</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>타이머 촬영</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
</context>
</TS>
