<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- One made-up translation to see the parameter groups re-labelled. -->
<TS version="2.1" language="en">
<context>
    <name>Specula</name>
    <message>
        <source>黑白</source>
        <translation>B/W (test)</translation>
    </message>
</context>
</TS>
