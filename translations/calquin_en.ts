<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CatalogueCheck</name>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>%n item: %1 can be started, %2 cannot.</numerusform>
            <numerusform>%n items: %1 can be started, %2 cannot.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>%n results file read.</numerusform>
            <numerusform>%n results files read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n answer</numerusform>
            <numerusform>%n answers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 point</numerusform>
            <numerusform>▲ %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 point</numerusform>
            <numerusform>▼ %1 points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</numerusform>
            <numerusform>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>Answers of %1 removed from %2: %n.
</numerusform>
            <numerusform>Answers of %1 removed from %2: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>File removed, since no answer was left in it: %n.
</numerusform>
            <numerusform>Files removed, since no answer was left in them: %n.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>Pupils: each first chooses their name, the only one in %1.
</numerusform>
            <numerusform>Pupils: each first chooses their name, one of %n in %1.
</numerusform>
        </translation>
    </message>
</context>
</TS>
