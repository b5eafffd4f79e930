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
        <translation>Réalisés</translation>
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
        <translation>Touche Échap pour quitter</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Ajuster</translation>
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
        <source>停止录像</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Enregistrer une vidéo</translation>
    </message>
    <message>
        <source>录像出错1</source>
        <translation>L&apos;enregistrement a échoué.</translation>
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
