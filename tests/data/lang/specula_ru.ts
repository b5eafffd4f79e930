<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few made-up translations to check that a language file is loaded and dropped again. -->
<TS version="2.1" language="ru_RU">
<context>
    <name>Specula</name>
    <message>
        <source>中文</source>
        <translation>Chinese (test)</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russian (test)</translation>
    </message>
    <message>
        <source>按ESC退出全屏</source>
        <translation>Press ESC (test)</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Fit (test)</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>B/W (test)</translation>
    </message>
</context>
<context>
    <name>SpeculaClass</name>
    <message>
        <source>文件</source>
        <translation>File (test)</translation>
    </message>
    <message>
        <source>DezudidEruravevud</source>
        <translation>Wrong title (test)</translation>
    </message>
</context>
</TS>
