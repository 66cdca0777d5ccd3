<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn">
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಸರಿ</translation>
        </message>
        <message>
            <source>Save</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಉಳಿಸಿ</translation>
        </message>
        <message>
            <source>Save All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಎಲ್ಲವನ್ನೂ ಉಳಿಸಿ</translation>
        </message>
        <message>
            <source>Open</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ತೆರೆಯಿರಿ</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಹೌದು(&amp;Y)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಎಲ್ಲಕ್ಕೂ ಹೌದು(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಇಲ್ಲ(&amp;N)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಎಲ್ಲಕ್ಕೂ ಇಲ್ಲ(&amp;O)</translation>
        </message>
        <message>
            <source>Abort</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ನಿಲ್ಲಿಸಿ</translation>
        </message>
        <message>
            <source>Retry</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಕಡೆಗಣಿಸಿ</translation>
        </message>
        <message>
            <source>Close</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಮುಚ್ಚಿ</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ರದ್ದುಮಾಡಿ</translation>
        </message>
        <message>
            <source>Discard</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ತ್ಯಜಿಸಿ</translation>
        </message>
        <message>
            <source>Help</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಸಹಾಯ</translation>
        </message>
        <message>
            <source>Apply</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಅನ್ವಯಿಸಿ</translation>
        </message>
        <message>
            <source>Reset</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಮರುಹೊಂದಿಸಿ</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಪೂರ್ವನಿಯೋಜಿತಗಳನ್ನು ಮರುಸ್ಥಾಪಿಸಿ</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>&amp;Undo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ರದ್ದುಗೊಳಿಸಿ(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಮತ್ತೆ ಮಾಡಿ(&amp;R)</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಕತ್ತರಿಸಿ(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ನಕಲಿಸಿ(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಅಂಟಿಸಿ(&amp;P)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಅಳಿಸಿ</translation>
        </message>
        <message>
            <source>Select All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
    </context>
    <context>
        <name>QWidgetTextControl</name>
        <message>
            <source>&amp;Undo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ರದ್ದುಗೊಳಿಸಿ(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಮತ್ತೆ ಮಾಡಿ(&amp;R)</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಕತ್ತರಿಸಿ(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ನಕಲಿಸಿ(&amp;C)</translation>
        </message>
        <message>
            <source>Copy &amp;Link Location</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಕೊಂಡಿಯ ವಿಳಾಸ ನಕಲಿಸಿ(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಅಂಟಿಸಿ(&amp;P)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಅಳಿಸಿ</translation>
        </message>
        <message>
            <source>Select All</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ವಿವರ ತೋರಿಸಿ...</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translatorcomment>unreviewed</translatorcomment>
            <translation>ವಿವರ ಮರೆಮಾಡಿ...</translation>
        </message>
    </context>
</TS>
