<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ठीक है</translation>
        </message>
        <message>
            <source>Save</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>सहेजें</translation>
        </message>
        <message>
            <source>Save All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>सभी सहेजें</translation>
        </message>
        <message>
            <source>Open</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>खोलें</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>हाँ(&amp;Y)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>सभी के लिए हाँ(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>नहीं(&amp;N)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>सभी के लिए नहीं(&amp;O)</translation>
        </message>
        <message>
            <source>Abort</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>रद्द करें</translation>
        </message>
        <message>
            <source>Retry</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>फिर से कोशिश करें</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>अनदेखा करें</translation>
        </message>
        <message>
            <source>Close</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>बंद करें</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>रद्द करें</translation>
        </message>
        <message>
            <source>Discard</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>छोड़ें</translation>
        </message>
        <message>
            <source>Help</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>सहायता</translation>
        </message>
        <message>
            <source>Apply</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>लागू करें</translation>
        </message>
        <message>
            <source>Reset</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>रीसेट करें</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>डिफ़ॉल्ट बहाल करें</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>&amp;Undo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>पूर्ववत करें(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>फिर से करें(&amp;R)</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>काटें(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>कॉपी करें(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>चिपकाएँ(&amp;P)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>मिटाएँ</translation>
        </message>
        <message>
            <source>Select All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>सब चुनें</translation>
        </message>
    </context>
    <context>
        <name>QWidgetTextControl</name>
        <message>
            <source>&amp;Undo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>पूर्ववत करें(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>फिर से करें(&amp;R)</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>काटें(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>कॉपी करें(&amp;C)</translation>
        </message>
        <message>
            <source>Copy &amp;Link Location</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>लिंक का पता कॉपी करें(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>चिपकाएँ(&amp;P)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>मिटाएँ</translation>
        </message>
        <message>
            <source>Select All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>सब चुनें</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>विवरण दिखाएँ...</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>विवरण छिपाएँ...</translation>
        </message>
    </context>
</TS>
