<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te">
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>సరే</translation>
        </message>
        <message>
            <source>Save</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>భద్రపరచు</translation>
        </message>
        <message>
            <source>Save All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అన్నీ భద్రపరచు</translation>
        </message>
        <message>
            <source>Open</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>తెరువు</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అవును(&amp;Y)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అన్నిటికీ అవును(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>కాదు(&amp;N)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అన్నిటికీ కాదు(&amp;O)</translation>
        </message>
        <message>
            <source>Abort</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ఆపివేయి</translation>
        </message>
        <message>
            <source>Retry</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>మళ్ళీ ప్రయత్నించు</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>విస్మరించు</translation>
        </message>
        <message>
            <source>Close</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>మూసివేయి</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>రద్దుచేయి</translation>
        </message>
        <message>
            <source>Discard</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>విస్మరించు</translation>
        </message>
        <message>
            <source>Help</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>సహాయం</translation>
        </message>
        <message>
            <source>Apply</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>వర్తింపజేయి</translation>
        </message>
        <message>
            <source>Reset</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>రీసెట్ చేయి</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అప్రమేయాలను పునరుద్ధరించు</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>&amp;Undo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>రద్దుచేయి(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>మళ్ళీ చేయి(&amp;R)</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>కత్తిరించు(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>నకలుతీయి(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అతికించు(&amp;P)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>తొలగించు</translation>
        </message>
        <message>
            <source>Select All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అన్నీ ఎంచుకో</translation>
        </message>
    </context>
    <context>
        <name>QWidgetTextControl</name>
        <message>
            <source>&amp;Undo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>రద్దుచేయి(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>మళ్ళీ చేయి(&amp;R)</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>కత్తిరించు(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>నకలుతీయి(&amp;C)</translation>
        </message>
        <message>
            <source>Copy &amp;Link Location</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>లింక్ చిరునామా నకలుతీయి(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అతికించు(&amp;P)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>తొలగించు</translation>
        </message>
        <message>
            <source>Select All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>అన్నీ ఎంచుకో</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>వివరాలు చూపు...</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>వివరాలు దాచు...</translation>
        </message>
    </context>
</TS>
