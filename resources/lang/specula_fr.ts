<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>用于 USB 数码显微镜的图像采集与测量软件。
如需技术支持或反馈问题，请联系您的经销商。</source>
        <translation>Logiciel d&apos;acquisition d&apos;images et de mesure pour microscopes numériques USB.
Pour toute assistance technique ou pour signaler un problème, contactez votre revendeur.</translation>
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
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polyligne</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>平行线</source>
        <translation>Lignes parallèles</translation>
    </message>
    <message>
        <source>垂线</source>
        <translation>Perpendiculaire</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Lignes de grille</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>圆弧</source>
        <translation>Arc de cercle</translation>
    </message>
    <message>
        <source>圆</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>两点圆</source>
        <translation>Cercle par 2 points</translation>
    </message>
    <message>
        <source>三点圆</source>
        <translation>Cercle par 3 points</translation>
    </message>
    <message>
        <source>重合圆</source>
        <translation>Cercles concentriques</translation>
    </message>
    <message>
        <source>双圆</source>
        <translation>Deux cercles</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Réticule</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>测量图标</source>
        <translation>Tracés de mesure</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>标定</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>标定值</source>
        <translation>Étalonnage actif</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>标定列表</source>
        <translation>Liste des étalonnages</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>增加一个新的标定</source>
        <translation>Nouvel étalonnage</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Grossissement</translation>
    </message>
    <message>
        <source>实际长度</source>
        <translation>Longueur réelle</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Trait plein</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>是否删除全部</source>
        <translation>Effacer toutes les mesures ?</translation>
    </message>
    <message>
        <source>是否删除标定 %1</source>
        <translation>Supprimer l&apos;étalonnage %1 ?</translation>
    </message>
    <message>
        <source>标定文件保存失败</source>
        <translation>Impossible d&apos;enregistrer le fichier d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>标定文件无法读取，标定列表未改变</source>
        <translation>Impossible de lire le fichier d&apos;étalonnage. La liste des étalonnages n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>参数不能为0</source>
        <translation>La valeur doit être supérieure à zéro.</translation>
    </message>
    <message>
        <source>%1（图片）</source>
        <translation>%1 (image)</translation>
    </message>
</context>
<context>
    <name>BrowserFileActions</name>
    <message>
        <source>确定删除“%1”吗？</source>
        <translation>Supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>确定删除全部 %1 项吗？</source>
        <translation>Supprimer les %1 éléments ?</translation>
    </message>
    <message>
        <source>以下文件未能删除：</source>
        <translation>Impossible de supprimer :</translation>
    </message>
    <message>
        <source>正在录像的文件不能重命名</source>
        <translation>Le fichier en cours d&apos;enregistrement ne peut pas être renommé.</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>名称不能为空，也不能含有“/”或“\”</source>
        <translation>Le nom ne doit être ni vide ni contenir « / » ou « \ ».</translation>
    </message>
    <message>
        <source>已有同名文件</source>
        <translation>Un fichier de ce nom existe déjà.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Impossible de renommer le fichier.</translation>
    </message>
    <message>
        <source>以下文件未能保存：</source>
        <translation>Impossible d&apos;enregistrer :</translation>
    </message>
    <message>
        <source>复制文件...</source>
        <translation>Copie des fichiers...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>以下文件未能导入：</source>
        <translation>Impossible d&apos;importer :</translation>
    </message>
    <message>
        <source>以下文件未能重命名：</source>
        <translation>Impossible de renommer :</translation>
    </message>
</context>
<context>
    <name>CameraLabel</name>
    <message>
        <source>冻结</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>解冻</source>
        <translation>Reprendre</translation>
    </message>
</context>
<context>
    <name>CameraScene</name>
    <message>
        <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
        <translation>Aucun périphérique vidéo compatible détecté. Branchez le microscope directement sur un port USB de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>名称</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>适合窗口</source>
        <translation>Ajuster</translation>
    </message>
</context>
<context>
    <name>MeasureEditWindow</name>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Enregistrer la photo</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>MeasureEditer</name>
    <message>
        <source>图片保存失败</source>
        <translation>Impossible d&apos;enregistrer l&apos;image.</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>是否用测量结果覆盖原图片 %1 ？</source>
        <translation>Écraser l&apos;image d&apos;origine %1 avec les mesures ?</translation>
    </message>
</context>
<context>
    <name>MeasureResults</name>
    <message>
        <source>长度</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>Périmètre</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>圆周长</source>
        <translation>Circonférence</translation>
    </message>
    <message>
        <source>半径2</source>
        <translation>Rayon 2</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Non</translation>
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
        <translation>Résultats…</translation>
    </message>
    <message>
        <source>随图片保存测量结果</source>
        <translation>Enregistrer les résultats avec les photos</translation>
    </message>
    <message>
        <source>图片已保存，但测量结果未能保存：%1</source>
        <translation>La photo a été enregistrée, mais pas ses résultats : %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>测量结果</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>以制表符分隔复制整个表格，可粘贴到电子表格</source>
        <translation>Copie tout le tableau, séparé par des tabulations, à coller dans un tableur</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Écart type</translation>
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
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Impossible d&apos;écrire le fichier : %1</translation>
    </message>
</context>
<context>
    <name>ScaleBarAction</name>
    <message>
        <source>比例尺</source>
        <translation>Barre d&apos;échelle</translation>
    </message>
</context>
<context>
    <name>SettingDialogClass</name>
    <message>
        <source>图片保存路径</source>
        <translation>Dossier des photos</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>视频保存路径</source>
        <translation>Dossier des vidéos</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialog</name>
    <message>
        <source>启动时间需大于当前时间</source>
        <translation>L&apos;heure de début doit être postérieure à l&apos;heure actuelle.</translation>
    </message>
</context>
<context>
    <name>SettingTimeDialogClass</name>
    <message>
        <source>拍照</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>视频长度</source>
        <translation>Durée de la vidéo</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Nombre total</translation>
    </message>
    <message>
        <source>已拍数量</source>
        <translation>Prises effectuées</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Specula</name>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Échap : quitter le plein écran</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>意大</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>西班牙</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>葡萄牙</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>荷兰</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>波兰</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>乌克兰</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>立陶宛</source>
        <translation>Lituanien</translation>
    </message>
    <message>
        <source>匈牙利</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>启动设备失败</source>
        <translation>Impossible de démarrer la caméra.</translation>
    </message>
    <message>
        <source>设备未启动</source>
        <translation>La caméra n&apos;est pas démarrée.</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
        <translation>Veuillez d&apos;abord sélectionner et ouvrir le dossier d&apos;enregistrement : en haut à droite, « Parcourir les fichiers » → « Photos » → un dossier de « image », ou « Parcourir les fichiers » → « Vidéos » → un dossier de « movie ».</translation>
    </message>
    <message>
        <source>保存图片失败</source>
        <translation>Impossible d&apos;enregistrer la photo.</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>全部另存为</source>
        <translation>Tout enregistrer sous</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>图片和视频</source>
        <translation>Images et vidéos</translation>
    </message>
    <message>
        <source>曝光时间</source>
        <translation>Temps d&apos;exposition</translation>
    </message>
    <message>
        <source>增益</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>伽马值</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>锐度</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>红增益</source>
        <translation>Gain rouge</translation>
    </message>
    <message>
        <source>绿增益</source>
        <translation>Gain vert</translation>
    </message>
    <message>
        <source>蓝增益</source>
        <translation>Gain bleu</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Exposition automatique</translation>
    </message>
    <message>
        <source>去雾</source>
        <translation>Suppression du voile</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Balance automatique</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Température de couleur</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>停止录像</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>改变分辨率会清空测量</source>
        <translation>Changer la résolution efface les mesures. Continuer ?</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Enregistrer une vidéo</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>设备已断开，录像已停止。</source>
        <translation>La caméra a été déconnectée ; l&apos;enregistrement s&apos;est arrêté.</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>拍照</source>
        <translation>Prendre une photo</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Enregistrer une vidéo</translation>
    </message>
    <message>
        <source>定时拍摄</source>
        <translation>Capture programmée</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>屏幕切换</source>
        <translation>Changer de vue</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>浏览文件</source>
        <translation>Parcourir les fichiers</translation>
    </message>
    <message>
        <source>拍照</source>
        <comment>browser tab</comment>
        <translation>Photos</translation>
    </message>
    <message>
        <source>录像</source>
        <comment>browser tab</comment>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>设备:</source>
        <translation>Caméra :</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>分辨率:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>照片:</source>
        <translation>Photo :</translation>
    </message>
    <message>
        <source>录像:</source>
        <translation>Vidéo :</translation>
    </message>
    <message>
        <source>曝光与增益</source>
        <translation>Exposition et gain</translation>
    </message>
    <message>
        <source>颜色调整</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>Balance des blancs</translation>
    </message>
    <message>
        <source>翻转</source>
        <translation>Retournement</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>十字线</source>
        <translation>Réticule</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>相片储存路径</source>
        <translation>Dossier des photos</translation>
    </message>
    <message>
        <source>录像储存路径</source>
        <translation>Dossier des vidéos</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Capture programmée</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
</context>
</TS>
