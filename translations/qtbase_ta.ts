<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>சரி</translation>
        </message>
        <message>
            <source>Save</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>சேமி</translation>
        </message>
        <message>
            <source>Save All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>அனைத்தையும் சேமி</translation>
        </message>
        <message>
            <source>Open</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>திற</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ஆம்(&amp;Y)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>அனைத்துக்கும் ஆம்(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>இல்லை(&amp;N)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>அனைத்துக்கும் இல்லை(&amp;O)</translation>
        </message>
        <message>
            <source>Abort</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>நிறுத்து</translation>
        </message>
        <message>
            <source>Retry</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>மீண்டும் முயல்</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>புறக்கணி</translation>
        </message>
        <message>
            <source>Close</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>மூடு</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ரத்துசெய்</translation>
        </message>
        <message>
            <source>Discard</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>கைவிடு</translation>
        </message>
        <message>
            <source>Help</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>உதவி</translation>
        </message>
        <message>
            <source>Apply</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>பயன்படுத்து</translation>
        </message>
        <message>
            <source>Reset</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>மீட்டமை</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>இயல்புநிலைகளை மீட்டமை</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>&amp;Undo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>செயல்தவிர்(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>மீண்டும் செய்(&amp;R)</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>வெட்டு(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>நகலெடு(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ஒட்டு(&amp;P)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>நீக்கு</translation>
        </message>
        <message>
            <source>Select All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>அனைத்தையும் தேர்ந்தெடு</translation>
        </message>
    </context>
    <context>
        <name>QWidgetTextControl</name>
        <message>
            <source>&amp;Undo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>செயல்தவிர்(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>மீண்டும் செய்(&amp;R)</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>வெட்டு(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>நகலெடு(&amp;C)</translation>
        </message>
        <message>
            <source>Copy &amp;Link Location</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>இணைப்பு முகவரியை நகலெடு(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ஒட்டு(&amp;P)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>நீக்கு</translation>
        </message>
        <message>
            <source>Select All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>அனைத்தையும் தேர்ந்தெடு</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>விவரங்களைக் காட்டு...</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>விவரங்களை மறை...</translation>
        </message>
    </context>
</TS>
