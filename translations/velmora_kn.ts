<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn_IN">
<context>
    <name>Velmora</name>
    <message>
        <source>Ayanamsa and Houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಯನಾಂಶ ಮತ್ತು ಭಾವಗಳು</translation>
    </message>
    <message>
        <source>Ashtakavarga - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಷ್ಟಕವರ್ಗ - %1</translation>
    </message>
    <message>
        <source>Birth time - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನನ ಸಮಯ - %1</translation>
    </message>
    <message>
        <source>Bhavas (houses) - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾವಗಳು - %1</translation>
    </message>
    <message>
        <source>Dashas - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಶೆಗಳು - %1</translation>
    </message>
    <message>
        <source>Panchanga at birth - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನನದ ಪಂಚಾಂಗ - %1</translation>
    </message>
    <message>
        <source>Transits - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗೋಚಾರ - %1</translation>
    </message>
    <message>
        <source>Nakshatras, dasha and Navamsa - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಕ್ಷತ್ರಗಳು, ದಶೆ ಮತ್ತು ನವಾಂಶ - %1</translation>
    </message>
    <message>
        <source>Jaimini - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜೈಮಿನಿ - %1</translation>
    </message>
    <message>
        <source>Marriage match - %1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವಿವಾಹ ಹೊಂದಾಣಿಕೆ - %1 ಮತ್ತು %2</translation>
    </message>
    <message>
        <source>Positions - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗ್ರಹ ಸ್ಥಿತಿಗಳು - %1</translation>
    </message>
    <message>
        <source>Divisional charts (Shodasavarga) - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರ್ಗ ಕುಂಡಲಿಗಳು (ಷೋಡಶವರ್ಗ) - %1</translation>
    </message>
    <message>
        <source>Print Preview - Velmora</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮುದ್ರಣ ಮುನ್ನೋಟ - Velmora</translation>
    </message>
    <message>
        <source>&amp;Vargas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರ್ಗಗಳು(&amp;V)…</translation>
    </message>
    <message>
        <source>P&amp;ositions…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗ್ರಹ ಸ್ಥಿತಿಗಳು(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Bhavas (Houses)…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾವಗಳು(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Dashas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಶೆಗಳು(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಷ್ಟಕವರ್ಗ(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Jaimini…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜೈಮಿನಿ(&amp;J)…</translation>
    </message>
    <message>
        <source>&amp;Panchanga…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪಂಚಾಂಗ(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Transits…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗೋಚಾರ(&amp;T)…</translation>
    </message>
    <message>
        <source>Birth t&amp;ime…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನನ ಸಮಯ(&amp;I)…</translation>
    </message>
    <message>
        <source>Velmora Interpretation</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora ಫಲಾದೇಶ</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮನೆಯಿಂದಲೇ ವ್ಯಾಪಾರ ಅವಕಾಶ. ನಿಮ್ಮದೇ ಇಂಟರ್ನೆಟ್ ವ್ಯಾಪಾರ ಆರಂಭಿಸಿ ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಸಂಪಾದಿಸಿ. ಈ ತಂತ್ರಾಂಶವನ್ನು ನಿಮ್ಮ ಜಾಲತಾಣದ ಹೆಸರಿನಲ್ಲಿ ಪಡೆಯಿರಿ. ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗೆ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹಿಂದೆ(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿರ್ಗಮಿಸು(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕಡತ(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನನ ವಿವರ ತೆರೆಯಿರಿ(&amp;O)…</translation>
    </message>
    <message>
        <source>Save Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನನ ವಿವರ ಉಳಿಸಿ…</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜಾತಕ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Nakshatras, Dasha, Navamsa…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಕ್ಷತ್ರಗಳು, ದಶೆ, ನವಾಂಶ(&amp;N)…</translation>
    </message>
    <message>
        <source>No web browser could be opened for %1. The address is on the clipboard, to paste into a browser.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಗಾಗಿ ಯಾವುದೇ ವೆಬ್ ಬ್ರೌಸರ್ ತೆರೆಯಲಾಗಲಿಲ್ಲ. ವಿಳಾಸ ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ನಲ್ಲಿದೆ; ಅದನ್ನು ಬ್ರೌಸರ್‌ನಲ್ಲಿ ಅಂಟಿಸಿ.</translation>
    </message>
    <message>
        <source> The manual on this computer is under Help &gt; Contents (F1).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ಈ ಗಣಕದಲ್ಲಿ ಕೈಪಿಡಿ ಸಹಾಯ &gt; ಪರಿವಿಡಿ (F1) ಅಡಿಯಲ್ಲಿದೆ.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಹಾಯ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪರಿವಿಡಿ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ತಂತ್ರಾಂಶ ನವೀಕರಣ ಪರಿಶೀಲಿಸಿ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ತಂತ್ರಾಂಶದ ಬಗ್ಗೆ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದೇಣಿಗೆ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾಷೆ(&amp;L)</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora ಕೈಪಿಡಿ</translation>
    </message>
    <message>
        <source>&amp;Save Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನನ ವಿವರ ಉಳಿಸಿ(&amp;S)…</translation>
    </message>
    <message>
        <source>Analyze My Graha Arudha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನನ್ನ ಗ್ರಹ ಆರೂಢ ವಿಶ್ಲೇಷಿಸಿ</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೆಸರು(&amp;N)</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ದಿನಾಂಕ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸಮಯ(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಗರ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಜ್ಯ(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದೇಶ(&amp;O)</translation>
    </message>
    <message>
        <source>Deg</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಂಶ</translation>
    </message>
    <message>
        <source>Min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕಲೆ</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಮಯ ವಲಯ(&amp;Z)</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
    <message>
        <source>&amp;Precise positions (Swiss Ephemeris)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿಖರ ಸ್ಥಾನಗಳು (ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್)(&amp;P)</translation>
    </message>
    <message>
        <source>T&amp;rue node for Rahu and Ketu</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಹು ಕೇತುಗಳಿಗೆ ನಿಜ ಪಾತ(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;yanamsa and Houses…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಯನಾಂಶ ಮತ್ತು ಭಾವಗಳು(&amp;Y)…</translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಕ್ಷಾಂಶ, ರೇಖಾಂಶಕ್ಕಾಗಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Strengths - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬಲಗಳು - %1</translation>
    </message>
    <message>
        <source>&amp;Strengths…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬಲಗಳು(&amp;S)…</translation>
    </message>
</context>
</TS>
