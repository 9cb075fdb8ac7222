<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n of its photo files is missing: “%1”.</numerusform>
            <numerusform>%n of its photo files are missing, the first “%1”.</numerusform>
        </translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n plant</numerusform>
            <numerusform>%n plants</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n log</numerusform>
            <numerusform>%n logs</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n photo</numerusform>
            <numerusform>%n photos</numerusform>
        </translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n label</numerusform>
            <numerusform>%n labels</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n watering schedule</numerusform>
            <numerusform>%n watering schedules</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 and its %n cactus</numerusform>
            <numerusform>%1 and its %n cacti</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 and their %n cactus</numerusform>
            <numerusform>%1 and their %n cacti</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n cactus</numerusform>
            <numerusform>%n cacti</numerusform>
        </translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
</context>
</TS>
