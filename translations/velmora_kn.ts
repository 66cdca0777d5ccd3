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
    <message>
        <source>The &amp;earlier one</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮೊದಲನೆಯದು(&amp;E)</translation>
    </message>
    <message>
        <source>The &amp;later one</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಂತರದ್ದು(&amp;L)</translation>
    </message>
    <message>
        <source>Velmora birth files (*.velmora);;All files (*)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora ಜನ್ಮ ಕಡತಗಳು (*.velmora);;ಎಲ್ಲ ಕಡತಗಳು (*)</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it with this birth all the same?</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಓದಲು ಮಾತ್ರ. ಆದರೂ ಇದನ್ನು ಈ ಜನ್ಮದಿಂದ ಬದಲಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>&amp;Replace It</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬದಲಿಸು(&amp;R)</translation>
    </message>
    <message>
        <source>Open Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ವಿವರಗಳನ್ನು ತೆರೆ</translation>
    </message>
    <message>
        <source>Save Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ವಿವರಗಳನ್ನು ಉಳಿಸು</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಯನಾಂಶ(&amp;A):</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಯನಾಂಶ</translation>
    </message>
    <message>
        <source>Custom &amp;date (0 h UT):</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ವಂತ ದಿನಾಂಕ(&amp;D) (0 ಗಂ UT):</translation>
    </message>
    <message>
        <source>Custom ayanamsa: its date, 0 h Universal Time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ವಂತ ಅಯನಾಂಶ: ಅದರ ದಿನಾಂಕ, 0 ಗಂ ಸಾರ್ವತ್ರಿಕ ಸಮಯ</translation>
    </message>
    <message>
        <source>Custom &amp;value (mean):</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ವಂತ ಮೌಲ್ಯ(&amp;V) (ಸರಾಸರಿ):</translation>
    </message>
    <message>
        <source>Custom ayanamsa: its mean value on that date, in degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ವಂತ ಅಯನಾಂಶ: ಆ ದಿನಾಂಕದಂದು ಅದರ ಸರಾಸರಿ ಮೌಲ್ಯ, ಅಂಶಗಳಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Apparent (light time, aberration, nutation)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದೃಶ್ಯ (ಬೆಳಕಿನ ಸಮಯ, ವಿಪಥನ, ಅಕ್ಷಚಲನ)</translation>
    </message>
    <message>
        <source>True (geometric)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿಜ (ಜ್ಯಾಮಿತೀಯ)</translation>
    </message>
    <message>
        <source>&amp;Positions:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ಥಾನಗಳು(&amp;P):</translation>
    </message>
    <message>
        <source>Positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>Whole signs</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪೂರ್ಣ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Sripati</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಶ್ರೀಪತಿ</translation>
    </message>
    <message>
        <source>Placidus (KP)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪ್ಲಾಸಿಡಸ್ (ಕೆಪಿ)</translation>
    </message>
    <message>
        <source>Equal, from the ascendant</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಮಾನ, ಲಗ್ನದಿಂದ</translation>
    </message>
    <message>
        <source>&amp;Houses:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾವಗಳು(&amp;H):</translation>
    </message>
    <message>
        <source>Houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾವಗಳು</translation>
    </message>
    <message>
        <source>Velmora calculates the arudhas for the different houses in your natal chart. Enter the birth details below and press "Analyze My Graha Arudha" to see the chart, the twelve arudha padas from the Arudha Lagna to the Upapada, and what they say about the person.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora ನಿಮ್ಮ ಜನ್ಮ ಕುಂಡಲಿಯ ವಿವಿಧ ಭಾವಗಳ ಆರೂಢಗಳನ್ನು ಲೆಕ್ಕಿಸುತ್ತದೆ. ಕೆಳಗೆ ಜನ್ಮ ವಿವರಗಳನ್ನು ನಮೂದಿಸಿ, ಕುಂಡಲಿ, ಆರೂಢ ಲಗ್ನದಿಂದ ಉಪಪದದವರೆಗಿನ ಹನ್ನೆರಡು ಆರೂಢ ಪದಗಳು ಮತ್ತು ಅವು ವ್ಯಕ್ತಿಯ ಬಗ್ಗೆ ಏನು ಹೇಳುತ್ತವೆ ಎಂದು ನೋಡಲು "ನನ್ನ ಗ್ರಹ ಆರೂಢ ವಿಶ್ಲೇಷಿಸಿ" ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ದಿನ</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ವರ್ಷ</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಗಂಟೆ</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸೆಕೆಂಡ್</translation>
    </message>
    <message>
        <source>City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಗರ</translation>
    </message>
    <message>
        <source>Type the first letters of the birth place to choose it from the atlas, with its coordinates and time zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸ್ಥಳದ ಮೊದಲ ಅಕ್ಷರಗಳನ್ನು ಟೈಪ್ ಮಾಡಿ, ಅದರ ನಿರ್ದೇಶಾಂಕಗಳು ಮತ್ತು ಸಮಯ ವಲಯದೊಂದಿಗೆ ಅಟ್ಲಾಸ್‌ನಿಂದ ಆರಿಸಿ</translation>
    </message>
    <message>
        <source>State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
        <source>Country</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದೇಶ</translation>
    </message>
    <message>
        <source>&amp;Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರೇಖಾಂಶ(&amp;L)</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರೇಖಾಂಶ ಅಂಶಗಳು</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರೇಖಾಂಶ ಕಲೆಗಳು</translation>
    </message>
    <message>
        <source>East</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪೂರ್ವ</translation>
    </message>
    <message>
        <source>West</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಕ್ಷಾಂಶ(&amp;A)</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಕ್ಷಾಂಶ ಅಂಶಗಳು</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಕ್ಷಾಂಶ ಕಲೆಗಳು</translation>
    </message>
    <message>
        <source>North</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಉತ್ತರ</translation>
    </message>
    <message>
        <source>South</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಕ್ಷಿಣ</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>Time zone of the chosen place</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಆರಿಸಿದ ಸ್ಥಳದ ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿಖರ ಸ್ಥಾನಗಳು (ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್)</translation>
    </message>
    <message>
        <source>Compute the chart from the Swiss Ephemeris at the true birth instant instead of the classic engine</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಾಂಪ್ರದಾಯಿಕ ಯಂತ್ರದ ಬದಲು ನಿಜವಾದ ಜನ್ಮ ಕ್ಷಣದಲ್ಲಿ ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್‌ನಿಂದ ಕುಂಡಲಿಯನ್ನು ಲೆಕ್ಕಿಸು</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris at the birth instant in Universal Time, Lahiri ayanamsa; the seconds of the time count.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಾರ್ವತ್ರಿಕ ಸಮಯದಲ್ಲಿ ಜನ್ಮ ಕ್ಷಣದಲ್ಲಿ ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್‌ನಿಂದ ಸ್ಥಾನಗಳು, ಲಾಹಿರಿ ಅಯನಾಂಶ; ಸಮಯದ ಸೆಕೆಂಡುಗಳೂ ಲೆಕ್ಕಕ್ಕೆ ಬರುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>True node for Rahu and Ketu</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಹು ಕೇತುಗಳಿಗೆ ನಿಜ ಪಾತ</translation>
    </message>
    <message>
        <source>With precise positions, the true lunar node instead of the mean node</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿಖರ ಸ್ಥಾನಗಳೊಂದಿಗೆ, ಸರಾಸರಿ ಪಾತದ ಬದಲು ನಿಜ ಚಂದ್ರ ಪಾತ</translation>
    </message>
    <message>
        <source>Click for Latitude &amp; Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಕ್ಷಾಂಶ &amp; ರೇಖಾಂಶಕ್ಕಾಗಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online astrology forum. Click here to visit our site.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಮ್ಮ ಆನ್‌ಲೈನ್ ಜ್ಯೋತಿಷ ವೇದಿಕೆಯಲ್ಲಿ ಇತರ ಓದುಗರೊಂದಿಗೆ ನಿಮ್ಮ ಕುಂಡಲಿಯ ಬಗ್ಗೆ ಮಾತನಾಡಿ. ನಮ್ಮ ತಾಣಕ್ಕೆ ಹೋಗಲು ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Click here for more details on co-branding.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿಮ್ಮ ತಾಣಕ್ಕಾಗಿ ಈ ತಂತ್ರಾಂಶವನ್ನು ಸಹ-ಬ್ರ್ಯಾಂಡ್ ಮಾಡಿ. ಸಹ-ಬ್ರ್ಯಾಂಡಿಂಗ್ ಕುರಿತು ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗೆ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>the coordinates as typed are %1 km from it</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಟೈಪ್ ಮಾಡಿದ ನಿರ್ದೇಶಾಂಕಗಳು ಅದರಿಂದ %1 ಕಿಮೀ ದೂರದಲ್ಲಿವೆ</translation>
    </message>
    <message>
        <source>the coordinates and time zone are those of %1, as typed (%2 km away)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿರ್ದೇಶಾಂಕಗಳು ಮತ್ತು ಸಮಯ ವಲಯ ಟೈಪ್ ಮಾಡಿದಂತೆ %1 ಉಳ್ಳವು (%2 ಕಿಮೀ ದೂರ)</translation>
    </message>
    <message>
        <source>The City "%1" is %2 in the atlas, but %3. Take %2 with its coordinates and time zone, or keep the typed values?</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಗರ "%1" ಅಟ್ಲಾಸ್‌ನಲ್ಲಿ %2, ಆದರೆ %3. %2 ಅನ್ನು ಅದರ ನಿರ್ದೇಶಾಂಕಗಳು ಮತ್ತು ಸಮಯ ವಲಯದೊಂದಿಗೆ ತೆಗೆದುಕೊಳ್ಳಬೇಕೆ, ಅಥವಾ ಟೈಪ್ ಮಾಡಿದ ಮೌಲ್ಯಗಳನ್ನು ಉಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>&amp;Take the named place</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೆಸರಿಸಿದ ಸ್ಥಳ ತೆಗೆದುಕೊ(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Keep the typed values</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಟೈಪ್ ಮಾಡಿದ ಮೌಲ್ಯ ಉಳಿಸು(&amp;K)</translation>
    </message>
    <message>
        <source>Place set aside: the coordinates and zone are as typed</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ಥಳ ಬದಿಗಿಡಲಾಗಿದೆ: ನಿರ್ದೇಶಾಂಕಗಳು ಮತ್ತು ವಲಯ ಟೈಪ್ ಮಾಡಿದಂತೆ</translation>
    </message>
    <message>
        <source> (coordinates edited)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> (ನಿರ್ದೇಶಾಂಕಗಳು ತಿದ್ದಲಾಗಿದೆ)</translation>
    </message>
    <message>
        <source>&amp;Recent Birth Files</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಇತ್ತೀಚಿನ ಜನ್ಮ ಕಡತಗಳು(&amp;R)</translation>
    </message>
    <message>
        <source>%1 is no longer there; it is taken off the list of recent birth files.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಈಗ ಇಲ್ಲ; ಅದನ್ನು ಇತ್ತೀಚಿನ ಜನ್ಮ ಕಡತಗಳ ಪಟ್ಟಿಯಿಂದ ತೆಗೆಯಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>The classic positions are computed for the years %1 to %2: the year %3 is shown as %4 until precise positions are chosen again.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಾಂಪ್ರದಾಯಿಕ ಸ್ಥಾನಗಳನ್ನು %1 ರಿಂದ %2 ವರ್ಷಗಳಿಗೆ ಲೆಕ್ಕಿಸಲಾಗುತ್ತದೆ: ನಿಖರ ಸ್ಥಾನಗಳನ್ನು ಮತ್ತೆ ಆರಿಸುವವರೆಗೆ ವರ್ಷ %3 ಅನ್ನು %4 ಎಂದು ತೋರಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Parashara's ashtakavarga: the bindus each planet receives in each sign from the seven planets and the ascendant, and their sum by sign, the sarvashtakavarga (SAV, 337 in all).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪರಾಶರರ ಅಷ್ಟಕವರ್ಗ: ಏಳು ಗ್ರಹಗಳು ಮತ್ತು ಲಗ್ನದಿಂದ ಪ್ರತಿ ಗ್ರಹವು ಪ್ರತಿ ರಾಶಿಯಲ್ಲಿ ಪಡೆಯುವ ಬಿಂದುಗಳು, ರಾಶಿವಾರು ಅವುಗಳ ಮೊತ್ತ, ಸರ್ವಾಷ್ಟಕವರ್ಗ (SAV, ಒಟ್ಟು 337).</translation>
    </message>
    <message>
        <source>&amp;Reading:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಓದು(&amp;R):</translation>
    </message>
    <message>
        <source>Reading of the tables</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕೋಷ್ಟಕಗಳ ಓದು</translation>
    </message>
    <message>
        <source>Re&amp;duced (trikona and ekadhipatya shodhana)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಶೋಧಿತ(&amp;D) (ತ್ರಿಕೋಣ ಮತ್ತು ಏಕಾಧಿಪತ್ಯ ಶೋಧನ)</translation>
    </message>
    <message>
        <source>Reduced tables and pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಶೋಧಿತ ಕೋಷ್ಟಕಗಳು ಮತ್ತು ಪಿಂಡಗಳು</translation>
    </message>
    <message>
        <source>Total</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಶಿ</translation>
    </message>
    <message>
        <source>Graha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗ್ರಹ</translation>
    </message>
    <message>
        <source>Shodhya</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಶೋಧ್ಯ</translation>
    </message>
    <message>
        <source>Bindus by planet and sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗ್ರಹ ಮತ್ತು ರಾಶಿವಾರು ಬಿಂದುಗಳು</translation>
    </message>
    <message>
        <source>Bindus after trikona and ekadhipatya shodhana, and the pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ತ್ರಿಕೋಣ ಮತ್ತು ಏಕಾಧಿಪತ್ಯ ಶೋಧನದ ನಂತರದ ಬಿಂದುಗಳು ಮತ್ತು ಪಿಂಡಗಳು</translation>
    </message>
    <message>
        <source>Sarvashtakavarga: bindus in each sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸರ್ವಾಷ್ಟಕವರ್ಗ: ಪ್ರತಿ ರಾಶಿಯಲ್ಲಿ ಬಿಂದುಗಳು</translation>
    </message>
    <message>
        <source>given</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1%2 ನಿ</translation>
    </message>
    <message>
        <source>&amp;Window either side of the given time:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಸಮಯದ ಎರಡೂ ಬದಿಯ ಅವಧಿ(&amp;W):</translation>
    </message>
    <message>
        <source> min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ನಿ</translation>
    </message>
    <message>
        <source>Window either side of the given time, in minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಸಮಯದ ಎರಡೂ ಬದಿಯ ಅವಧಿ, ನಿಮಿಷಗಳಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Show &amp;every item, also those that keep their value</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪ್ರತಿ ಅಂಶ ತೋರಿಸು(&amp;E), ಮೌಲ್ಯ ಬದಲಾಗದವೂ</translation>
    </message>
    <message>
        <source>S&amp;hift:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸರಿಸು(&amp;H):</translation>
    </message>
    <message>
        <source>Shift from the given time, in seconds</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಸಮಯದಿಂದ ಸರಿಸುವಿಕೆ, ಸೆಕೆಂಡುಗಳಲ್ಲಿ</translation>
    </message>
    <message>
        <source>−1 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>−1 ನಿ</translation>
    </message>
    <message>
        <source>A minute earlier</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಒಂದು ನಿಮಿಷ ಮೊದಲು</translation>
    </message>
    <message>
        <source>−1 s</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>−1 ಸೆ</translation>
    </message>
    <message>
        <source>A second earlier</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಒಂದು ಸೆಕೆಂಡ್ ಮೊದಲು</translation>
    </message>
    <message>
        <source>&amp;Given time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಸಮಯ(&amp;G)</translation>
    </message>
    <message>
        <source>Back to the given time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಸಮಯಕ್ಕೆ ಹಿಂದಿರುಗು</translation>
    </message>
    <message>
        <source>+1 s</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>+1 ಸೆ</translation>
    </message>
    <message>
        <source>A second later</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಒಂದು ಸೆಕೆಂಡ್ ನಂತರ</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>+1 ನಿ</translation>
    </message>
    <message>
        <source>A minute later</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಒಂದು ನಿಮಿಷ ನಂತರ</translation>
    </message>
    <message>
        <source>The chart of the shifted moment</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸರಿಸಿದ ಕ್ಷಣದ ಕುಂಡಲಿ</translation>
    </message>
    <message>
        <source>The chart at a shifted birth time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸರಿಸಿದ ಜನ್ಮ ಸಮಯದ ಕುಂಡಲಿ</translation>
    </message>
    <message>
        <source>%1 of %2 items keep their value throughout the window. %3.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%2 ರಲ್ಲಿ %1 ಅಂಶಗಳ ಮೌಲ್ಯ ಅವಧಿಯುದ್ದಕ್ಕೂ ಬದಲಾಗುವುದಿಲ್ಲ. %3.</translation>
    </message>
    <message>
        <source>The given time, %1: the chart as computed.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಸಮಯ, %1: ಲೆಕ್ಕಿಸಿದ ಕುಂಡಲಿ.</translation>
    </message>
    <message>
        <source>%1 before the given time: the chart of %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಸಮಯಕ್ಕೆ %1 ಮೊದಲು: %2 ರ ಕುಂಡಲಿ.</translation>
    </message>
    <message>
        <source>%1 after the given time: the chart of %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಸಮಯಕ್ಕೆ %1 ನಂತರ: %2 ರ ಕುಂಡಲಿ.</translation>
    </message>
    <message>
        <source>The chart of %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ರ ಕುಂಡಲಿ</translation>
    </message>
    <message>
        <source>%1: %2 (given: %3)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1: %2 (ನೀಡಿದ: %3)</translation>
    </message>
    <message>
        <source>Every item is as in the given chart.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪ್ರತಿ ಅಂಶವೂ ನೀಡಿದ ಕುಂಡಲಿಯಂತೆಯೇ ಇದೆ.</translation>
    </message>
    <message>
        <source>What differs from the given chart (%1 items): %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿದ ಕುಂಡಲಿಯಿಂದ ಭಿನ್ನವಾದವು (%1 ಅಂಶಗಳು): %2.</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿಖರ ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>House %1, %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾವ %1, %2</translation>
    </message>
    <message>
        <source>%1, house %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, ಭಾವ %2</translation>
    </message>
    <message>
        <source>: empty</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>: ಖಾಲಿ</translation>
    </message>
    <message>
        <source>A classic chart has no house cusps: choose precise positions on the form for the bhavas.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಾಂಪ್ರದಾಯಿಕ ಕುಂಡಲಿಯಲ್ಲಿ ಭಾವ ಸಂಧಿಗಳಿಲ್ಲ: ಭಾವಗಳಿಗಾಗಿ ನಮೂನೆಯಲ್ಲಿ ನಿಖರ ಸ್ಥಾನಗಳನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>, true positions.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, ನಿಜ ಸ್ಥಾನಗಳು.</translation>
    </message>
    <message>
        <source>, apparent positions.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, ದೃಶ್ಯ ಸ್ಥಾನಗಳು.</translation>
    </message>
    <message>
        <source>House</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾವ</translation>
    </message>
    <message>
        <source>Begins at</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಆರಂಭ</translation>
    </message>
    <message>
        <source>Points</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬಿಂದುಗಳು</translation>
    </message>
    <message>
        <source>House cusps</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾವ ಸಂಧಿಗಳು</translation>
    </message>
    <message>
        <source>Cusps</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಂಧಿಗಳು</translation>
    </message>
    <message>
        <source>Point</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬಿಂದು</translation>
    </message>
    <message>
        <source>Sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಶಿ</translation>
    </message>
    <message>
        <source>Each point's house</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪ್ರತಿ ಬಿಂದುವಿನ ಭಾವ</translation>
    </message>
    <message>
        <source>Bhava chart (bhava chalit)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಾವ ಕುಂಡಲಿ (ಭಾವ ಚಲಿತ)</translation>
    </message>
    <message>
        <source>Dasha system</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಶಾ ಪದ್ಧತಿ</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಶಾ ವರ್ಷ</translation>
    </message>
    <message>
        <source>&amp;System:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪದ್ಧತಿ(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರ್ಷ(&amp;Y):</translation>
    </message>
    <message>
        <source>Dasha periods</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಶಾ ಅವಧಿಗಳು</translation>
    </message>
    <message>
        <source>Period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅವಧಿ</translation>
    </message>
    <message>
        <source>Level</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹಂತ</translation>
    </message>
    <message>
        <source>From</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಇಂದ</translation>
    </message>
    <message>
        <source>To</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರೆಗೆ</translation>
    </message>
    <message>
        <source>  (running)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>  (ನಡೆಯುತ್ತಿರುವ)</translation>
    </message>
    <message>
        <source>%1 dasha, %2. Years of %3; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ದಶೆ, %2. %3 ವರ್ಷಗಳು; ದಿನಾಂಕಗಳು ಮತ್ತು ಸಮಯಗಳು ಜನ್ಮದ ಸ್ಥಳೀಯ ಗಡಿಯಾರದಲ್ಲಿ.</translation>
    </message>
    <message>
        <source>%1 dasha from the Moon in %2: %3 period, %4 left at birth. Years of %5; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%2 ರಲ್ಲಿರುವ ಚಂದ್ರನಿಂದ %1 ದಶೆ: %3 ಅವಧಿ, ಜನ್ಮದಲ್ಲಿ %4 ಉಳಿದಿದೆ. %5 ವರ್ಷಗಳು; ದಿನಾಂಕಗಳು ಮತ್ತು ಸಮಯಗಳು ಜನ್ಮದ ಸ್ಥಳೀಯ ಗಡಿಯಾರದಲ್ಲಿ.</translation>
    </message>
    <message>
        <source> Running on %1: %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> %1 ರಂದು ನಡೆಯುತ್ತಿರುವುದು: %2.</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ದಿನಾಂಕ :</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸಮಯ :</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸಮಯ</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರೇಖಾಂಶ :</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಕ್ಷಾಂಶ   :</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
        <source>City :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಗರ :</translation>
    </message>
    <message>
        <source>State :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಜ್ಯ :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದೇಶ :</translation>
    </message>
    <message>
        <source>not given</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನೀಡಿಲ್ಲ</translation>
    </message>
    <message>
        <source>no bodies</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗ್ರಹಗಳಿಲ್ಲ</translation>
    </message>
    <message>
        <source>no arudhas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಆರೂಢಗಳಿಲ್ಲ</translation>
    </message>
    <message>
        <source>arudhas </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಆರೂಢಗಳು </translation>
    </message>
    <message>
        <source>Birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಕುಂಡಲಿ</translation>
    </message>
    <message>
        <source>Time zone and positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಮಯ ವಲಯ ಮತ್ತು ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>The report is in English: its rules have no reviewed translation yet.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರದಿ ಇಂಗ್ಲಿಷ್‌ನಲ್ಲಿದೆ: ಅದರ ನಿಯಮಗಳಿಗೆ ಇನ್ನೂ ಪರಿಶೀಲಿತ ಅನುವಾದವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Hora</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೋರಾ</translation>
    </message>
    <message>
        <source>Visit the Velmora forum</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora ವೇದಿಕೆಗೆ ಭೇಟಿ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Your details</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಿಮ್ಮ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವೈದಿಕ ಗ್ರಹ ಸ್ಥಿತಿ</translation>
    </message>
    <message>
        <source>Report</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರದಿ</translation>
    </message>
    <message>
        <source>Talk about your chart at our forum</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಮ್ಮ ವೇದಿಕೆಯಲ್ಲಿ ನಿಮ್ಮ ಕುಂಡಲಿಯ ಬಗ್ಗೆ ಮಾತನಾಡಿ</translation>
    </message>
    <message>
        <source>&amp;Nakshatras, dasha, Navamsa...</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಕ್ಷತ್ರಗಳು, ದಶೆ, ನವಾಂಶ(&amp;N)...</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪಂಚಾಂಗ</translation>
    </message>
    <message>
        <source>Moments on the birth's clock (UTC%1), to the second: each is solved to half a second. The weekday runs from sunrise to sunrise: a birth before sunrise belongs to the day before; on a date the Sun does not rise, the day begins at local midnight.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕ್ಷಣಗಳು ಜನ್ಮದ ಗಡಿಯಾರದಲ್ಲಿ (UTC%1), ಸೆಕೆಂಡಿನವರೆಗೆ: ಪ್ರತಿಯೊಂದನ್ನೂ ಅರ್ಧ ಸೆಕೆಂಡಿಗೆ ಬಿಡಿಸಲಾಗಿದೆ. ವಾರವು ಸೂರ್ಯೋದಯದಿಂದ ಸೂರ್ಯೋದಯದವರೆಗೆ: ಸೂರ್ಯೋದಯಕ್ಕೆ ಮೊದಲಿನ ಜನ್ಮ ಹಿಂದಿನ ದಿನಕ್ಕೆ ಸೇರುತ್ತದೆ; ಸೂರ್ಯ ಉದಯಿಸದ ದಿನಾಂಕದಂದು ದಿನ ಸ್ಥಳೀಯ ಮಧ್ಯರಾತ್ರಿಯಿಂದ ಆರಂಭವಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>&amp;Moment on the birth place's clock:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸ್ಥಳದ ಗಡಿಯಾರದಲ್ಲಿ ಕ್ಷಣ(&amp;M):</translation>
    </message>
    <message>
        <source>Moment on the birth place's clock</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸ್ಥಳದ ಗಡಿಯಾರದಲ್ಲಿ ಕ್ಷಣ</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ತೋರಿಸು(&amp;S)</translation>
    </message>
    <message>
        <source>Show the transits of this moment</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಈ ಕ್ಷಣದ ಗೋಚಾರ ತೋರಿಸು</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಈಗ(&amp;N)</translation>
    </message>
    <message>
        <source>Show the transits now</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಈಗಿನ ಗೋಚಾರ ತೋರಿಸು</translation>
    </message>
    <message>
        <source>Transits over the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಕುಂಡಲಿಯ ಮೇಲೆ ಗೋಚಾರ</translation>
    </message>
    <message>
        <source>Transits (T-) over the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಕುಂಡಲಿಯ ಮೇಲೆ ಗೋಚಾರ (T-)</translation>
    </message>
    <message>
        <source>Transiting positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗೋಚಾರ ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>Positions and houses from the Moon and the ascendant</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಚಂದ್ರ ಮತ್ತು ಲಗ್ನದಿಂದ ಸ್ಥಾನಗಳು ಮತ್ತು ಭಾವಗಳು</translation>
    </message>
    <message>
        <source>Sade sati</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಾಡೇ ಸಾತಿ</translation>
    </message>
    <message>
        <source>Next sign changes and stations</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮುಂದಿನ ರಾಶಿ ಬದಲಾವಣೆಗಳು ಮತ್ತು ಸ್ತಂಭನಗಳು</translation>
    </message>
    <message>
        <source>Next sign changes and stations within a year</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಒಂದು ವರ್ಷದೊಳಗಿನ ಮುಂದಿನ ರಾಶಿ ಬದಲಾವಣೆಗಳು ಮತ್ತು ಸ್ತಂಭನಗಳು</translation>
    </message>
    <message>
        <source>Transits at %1 on the birth place's clock (UTC%2), in the birth chart's ephemeris, ayanamsa and node. The tables' moments are on the same clock, to the minute: each sign change, station and phase is found to within a minute.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸ್ಥಳದ ಗಡಿಯಾರದಲ್ಲಿ (UTC%2) %1 ರ ಗೋಚಾರ, ಜನ್ಮ ಕುಂಡಲಿಯ ಎಫೆಮೆರಿಸ್, ಅಯನಾಂಶ ಮತ್ತು ಪಾತದಲ್ಲಿ. ಕೋಷ್ಟಕಗಳ ಕ್ಷಣಗಳು ಅದೇ ಗಡಿಯಾರದಲ್ಲಿ, ನಿಮಿಷದವರೆಗೆ: ಪ್ರತಿ ರಾಶಿ ಬದಲಾವಣೆ, ಸ್ತಂಭನ ಮತ್ತು ಕಲೆಯನ್ನು ಒಂದು ನಿಮಿಷದೊಳಗೆ ಕಂಡುಹಿಡಿಯಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Moon in %1, pada %2 (lord %3).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಚಂದ್ರ %1 ರಲ್ಲಿ, ಪಾದ %2 (ಅಧಿಪತಿ %3).</translation>
    </message>
    <message>
        <source> Today (%1): %2 period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ಇಂದು (%1): %2 ಅವಧಿ</translation>
    </message>
    <message>
        <source>, %1 sub-period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, %1 ಉಪ ಅವಧಿ</translation>
    </message>
    <message>
        <source>De&amp;grees in the cells</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮನೆಗಳಲ್ಲಿ ಅಂಶಗಳು(&amp;G)</translation>
    </message>
    <message>
        <source>Degrees in the birth chart's cells</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಕುಂಡಲಿಯ ಮನೆಗಳಲ್ಲಿ ಅಂಶಗಳು</translation>
    </message>
    <message>
        <source>Rashi (birth chart)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಶಿ (ಜನ್ಮ ಕುಂಡಲಿ)</translation>
    </message>
    <message>
        <source>Navamsa (D9)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನವಾಂಶ (D9)</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಕ್ಷತ್ರಗಳು</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>Pada</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪಾದ</translation>
    </message>
    <message>
        <source>Lord</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನವಾಂಶ</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವಿಂಶೋತ್ತರಿ ದಶೆ</translation>
    </message>
    <message>
        <source>%1 period, %2 left at birth. Years of %3 days; dates in the birth's local calendar.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಅವಧಿ, ಜನ್ಮದಲ್ಲಿ %2 ಉಳಿದಿದೆ. ವರ್ಷ %3 ದಿನಗಳು; ದಿನಾಂಕಗಳು ಜನ್ಮದ ಸ್ಥಳೀಯ ಕ್ಯಾಲೆಂಡರ್‌ನಲ್ಲಿ.</translation>
    </message>
    <message>
        <source>Chara karakas by the planets' degrees in their signs (Brihat Parashara Hora Shastra ch. 32), the karakamsa, the aspects of signs and argala (Jaimini Sutras 1.1).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗ್ರಹಗಳು ತಮ್ಮ ರಾಶಿಗಳಲ್ಲಿರುವ ಅಂಶಗಳ ಪ್ರಕಾರ ಚರ ಕಾರಕಗಳು (ಬೃಹತ್ ಪರಾಶರ ಹೋರಾ ಶಾಸ್ತ್ರ ಅ. 32), ಕಾರಕಾಂಶ, ರಾಶಿಗಳ ದೃಷ್ಟಿಗಳು ಮತ್ತು ಅರ್ಗಲ (ಜೈಮಿನಿ ಸೂತ್ರಗಳು 1.1).</translation>
    </message>
    <message>
        <source>&amp;Karakas:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕಾರಕಗಳು(&amp;K):</translation>
    </message>
    <message>
        <source>Seven (Sun to Saturn)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಏಳು (ಸೂರ್ಯನಿಂದ ಶನಿ)</translation>
    </message>
    <message>
        <source>Eight (with Rahu)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಎಂಟು (ರಾಹು ಸಹಿತ)</translation>
    </message>
    <message>
        <source>Chara karaka scheme</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಚರ ಕಾರಕ ಪದ್ಧತಿ</translation>
    </message>
    <message>
        <source>Karaka</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕಾರಕ</translation>
    </message>
    <message>
        <source>Planet</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗ್ರಹ</translation>
    </message>
    <message>
        <source>Degrees in its sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ತನ್ನ ರಾಶಿಯಲ್ಲಿ ಅಂಶಗಳು</translation>
    </message>
    <message>
        <source>Chara karakas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಚರ ಕಾರಕಗಳು</translation>
    </message>
    <message>
        <source>Chara karakas in the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಕುಂಡಲಿಯಲ್ಲಿ ಚರ ಕಾರಕಗಳು</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದೃಷ್ಟಿಗಳು</translation>
    </message>
    <message>
        <source>Rashi drishti: the signs each sign aspects</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಶಿ ದೃಷ್ಟಿ: ಪ್ರತಿ ರಾಶಿ ನೋಡುವ ರಾಶಿಗಳು</translation>
    </message>
    <message>
        <source>Rashi drishti</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಶಿ ದೃಷ್ಟಿ</translation>
    </message>
    <message>
        <source>Argala</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅರ್ಗಲ</translation>
    </message>
    <message>
        <source>Argala on each house</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪ್ರತಿ ಭಾವದ ಮೇಲೆ ಅರ್ಗಲ</translation>
    </message>
    <message>
        <source>Argala and virodhargala</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅರ್ಗಲ ಮತ್ತು ವಿರೋಧಾರ್ಗಲ</translation>
    </message>
    <message>
        <source> (counted back)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> (ಹಿಮ್ಮುಖವಾಗಿ ಎಣಿಸಿದ)</translation>
    </message>
    <message>
        <source>%1: %2, Moon in %3, %4 pada %5</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1: %2, ಚಂದ್ರ %3 ರಲ್ಲಿ, %4 ಪಾದ %5</translation>
    </message>
    <message>
        <source>North-Indian ashtakoota guna milan: eight kootas compare the bride's and the groom's Moons (their signs and nakshatras) and give 36 points in all: Varna 1, Vashya 2, Tara 3, Yoni 4, Graha Maitri 5, Gana 6, Bhakoot 7 and Nadi 8. Each row says why it gives its points. 18 or more is commonly taken as acceptable. A Nadi or Bhakoot dosha (no points there) is noted below with the exceptions that cancel it, and so is each chart's Mars dosha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಉತ್ತರ ಭಾರತೀಯ ಅಷ್ಟಕೂಟ ಗುಣ ಮಿಲನ: ಎಂಟು ಕೂಟಗಳು ವಧು ಮತ್ತು ವರನ ಚಂದ್ರರನ್ನು (ಅವರ ರಾಶಿಗಳು ಮತ್ತು ನಕ್ಷತ್ರಗಳು) ಹೋಲಿಸಿ ಒಟ್ಟು 36 ಗುಣಗಳನ್ನು ನೀಡುತ್ತವೆ: ವರ್ಣ 1, ವಶ್ಯ 2, ತಾರಾ 3, ಯೋನಿ 4, ಗ್ರಹ ಮೈತ್ರಿ 5, ಗಣ 6, ಭಕೂಟ 7 ಮತ್ತು ನಾಡಿ 8. ಪ್ರತಿ ಸಾಲು ತನ್ನ ಗುಣಗಳಿಗೆ ಕಾರಣ ಹೇಳುತ್ತದೆ. 18 ಅಥವಾ ಹೆಚ್ಚನ್ನು ಸಾಮಾನ್ಯವಾಗಿ ಒಪ್ಪತಕ್ಕದ್ದು ಎನ್ನಲಾಗುತ್ತದೆ. ನಾಡಿ ಅಥವಾ ಭಕೂಟ ದೋಷ (ಅಲ್ಲಿ ಗುಣಗಳಿಲ್ಲ) ಅದನ್ನು ರದ್ದುಗೊಳಿಸುವ ವಿನಾಯಿತಿಗಳೊಂದಿಗೆ ಕೆಳಗೆ ಸೂಚಿಸಲಾಗಿದೆ, ಪ್ರತಿ ಕುಂಡಲಿಯ ಕುಜ ದೋಷವೂ ಹಾಗೆಯೇ</translation>
    </message>
    <message>
        <source>Bride</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವಧು</translation>
    </message>
    <message>
        <source>Groom</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರ</translation>
    </message>
    <message>
        <source>Total: %1 of 36</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಒಟ್ಟು: 36 ರಲ್ಲಿ %1</translation>
    </message>
    <message>
        <source>Nadi dosha: none.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಾಡಿ ದೋಷ: ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಭಕೂಟ ದೋಷ: ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>Mars dosha, bride: </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕುಜ ದೋಷ, ವಧು: </translation>
    </message>
    <message>
        <source>Mars dosha, groom: </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕುಜ ದೋಷ, ವರ: </translation>
    </message>
    <message>
        <source>Marriage match</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವಿವಾಹ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>Koota</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕೂಟ</translation>
    </message>
    <message>
        <source>Max</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗರಿಷ್ಠ</translation>
    </message>
    <message>
        <source>Why</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕಾರಣ</translation>
    </message>
    <message>
        <source>Velmora marriage match of %1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಮತ್ತು %2 ರ Velmora ವಿವಾಹ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮುದ್ರಿಸು(&amp;P)…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ಆಗಿ ರಫ್ತು(&amp;D)…</translation>
    </message>
    <message>
        <source>Bride: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವಧು: %1</translation>
    </message>
    <message>
        <source>Groom: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರ: %1</translation>
    </message>
    <message>
        <source>Kootas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕೂಟಗಳು</translation>
    </message>
    <message>
        <source>Doshas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದೋಷಗಳು</translation>
    </message>
    <message>
        <source>Export Match as PDF</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೊಂದಾಣಿಕೆಯನ್ನು PDF ಆಗಿ ರಫ್ತು ಮಾಡು</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ಕಡತಗಳು (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>"%1" ಅನ್ನು ಬರೆಯಲಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
    <message>
        <source>Classic positions (the program's own model): the engine computes no speeds.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಾಂಪ್ರದಾಯಿಕ ಸ್ಥಾನಗಳು (ಕಾರ್ಯಕ್ರಮದ ಸ್ವಂತ ಮಾದರಿ): ಯಂತ್ರ ವೇಗಗಳನ್ನು ಲೆಕ್ಕಿಸುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>. Speeds in degrees a day.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>. ವೇಗಗಳು ದಿನಕ್ಕೆ ಅಂಶಗಳಲ್ಲಿ.</translation>
    </message>
    <message>
        <source>The ten points in full</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹತ್ತು ಬಿಂದುಗಳು ಪೂರ್ಣವಾಗಿ</translation>
    </message>
    <message>
        <source>Dignity: Brihat Parashara Hora Shastra ch. 3 (exaltation, moolatrikona, own sign, and the compound of the natural and temporary relations to the sign's lord). Combustion: the Surya Siddhanta's orbs (Moon 12°, Mars 17°, Mercury 14° or 12° retrograde, Jupiter 11°, Venus 10° or 8° retrograde, Saturn 15°). War: two of Mars to Saturn less than 1° apart, the planet to the north (greater latitude) winning.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬಲ: ಬೃಹತ್ ಪರಾಶರ ಹೋರಾ ಶಾಸ್ತ್ರ ಅ. 3 (ಉಚ್ಚ, ಮೂಲತ್ರಿಕೋಣ, ಸ್ವಕ್ಷೇತ್ರ, ಮತ್ತು ರಾಶ್ಯಧಿಪತಿಯೊಂದಿಗಿನ ನೈಸರ್ಗಿಕ ಹಾಗೂ ತಾತ್ಕಾಲಿಕ ಸಂಬಂಧಗಳ ಮಿಶ್ರಣ). ಅಸ್ತ: ಸೂರ್ಯ ಸಿದ್ಧಾಂತದ ಮಿತಿಗಳು (ಚಂದ್ರ 12°, ಕುಜ 17°, ಬುಧ 14° ಅಥವಾ ವಕ್ರದಲ್ಲಿ 12°, ಗುರು 11°, ಶುಕ್ರ 10° ಅಥವಾ ವಕ್ರದಲ್ಲಿ 8°, ಶನಿ 15°). ಗ್ರಹ ಯುದ್ಧ: ಕುಜನಿಂದ ಶನಿವರೆಗಿನ ಎರಡು ಗ್ರಹಗಳು 1° ಗಿಂತ ಕಡಿಮೆ ಅಂತರದಲ್ಲಿ, ಉತ್ತರದಲ್ಲಿರುವ (ಹೆಚ್ಚು ಶರ) ಗ್ರಹ ಗೆಲ್ಲುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Name :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೆಸರು :</translation>
    </message>
    <message>
        <source>Place :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ಥಳ :</translation>
    </message>
    <message>
        <source>Time zone :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸಮಯ ವಲಯ :</translation>
    </message>
    <message>
        <source>Positions :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸ್ಥಾನಗಳು :</translation>
    </message>
    <message>
        <source>Nakshatras and Navamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಕ್ಷತ್ರಗಳು ಮತ್ತು ನವಾಂಶ</translation>
    </message>
    <message>
        <source> Running on %1: marked *.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> %1 ರಂದು ನಡೆಯುತ್ತಿರುವವು: * ಗುರುತು.</translation>
    </message>
    <message>
        <source>Divisional charts (Shodasavarga)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವಿಭಾಗ ಕುಂಡಲಿಗಳು (ಷೋಡಶವರ್ಗ)</translation>
    </message>
    <message>
        <source>Vargottama (the same sign in D1 and D9): %1.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರ್ಗೋತ್ತಮ (D1 ಮತ್ತು D9 ರಲ್ಲಿ ಒಂದೇ ರಾಶಿ): %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಯಾವುದೂ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಮತ್ತು %2</translation>
    </message>
    <message>
        <source>Ashtakavarga (Parashara): bindus by sign, %1's reading</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಷ್ಟಕವರ್ಗ (ಪರಾಶರ): ರಾಶಿವಾರು ಬಿಂದುಗಳು, %1 ರ ಓದು</translation>
    </message>
    <message>
        <source>Ashtakavarga after trikona and ekadhipatya shodhana</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ತ್ರಿಕೋಣ ಮತ್ತು ಏಕಾಧಿಪತ್ಯ ಶೋಧನದ ನಂತರದ ಅಷ್ಟಕವರ್ಗ</translation>
    </message>
    <message>
        <source>Pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪಿಂಡಗಳು</translation>
    </message>
    <message>
        <source>Rasi pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ರಾಶಿ ಪಿಂಡ</translation>
    </message>
    <message>
        <source>Graha pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಗ್ರಹ ಪಿಂಡ</translation>
    </message>
    <message>
        <source>Shodhya pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಶೋಧ್ಯ ಪಿಂಡ</translation>
    </message>
    <message>
        <source>Birth time: what changes within ±%1 minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ಸಮಯ: ±%1 ನಿಮಿಷಗಳಲ್ಲಿ ಏನು ಬದಲಾಗುತ್ತದೆ</translation>
    </message>
    <message>
        <source>%1 other items (the grahas' signs in the vargas, bhavas, cusps) change within the window; the Birth time page shows each.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಇತರ ಅಂಶಗಳು (ವರ್ಗಗಳಲ್ಲಿ ಗ್ರಹಗಳ ರಾಶಿಗಳು, ಭಾವಗಳು, ಸಂಧಿಗಳು) ಅವಧಿಯೊಳಗೆ ಬದಲಾಗುತ್ತವೆ; ಜನ್ಮ ಸಮಯ ಪುಟ ಪ್ರತಿಯೊಂದನ್ನೂ ತೋರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Panchanga at birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮದ ಪಂಚಾಂಗ</translation>
    </message>
    <message>
        <source>Moments on the birth's clock, to the second.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕ್ಷಣಗಳು ಜನ್ಮದ ಗಡಿಯಾರದಲ್ಲಿ, ಸೆಕೆಂಡಿನವರೆಗೆ.</translation>
    </message>
    <message>
        <source>%1 dasha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ದಶೆ</translation>
    </message>
    <message>
        <source> Running periods marked *.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ನಡೆಯುತ್ತಿರುವ ಅವಧಿಗಳು * ಗುರುತು.</translation>
    </message>
    <message>
        <source> Years of %1 days; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ವರ್ಷ %1 ದಿನಗಳು; ದಿನಾಂಕಗಳು ಮತ್ತು ಸಮಯಗಳು ಜನ್ಮದ ಸ್ಥಳೀಯ ಗಡಿಯಾರದಲ್ಲಿ.</translation>
    </message>
    <message>
        <source>Vimshottari dasha running</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ನಡೆಯುತ್ತಿರುವ ವಿಂಶೋತ್ತರಿ ದಶೆ</translation>
    </message>
    <message>
        <source>On %1, to the third level.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ರಂದು, ಮೂರನೇ ಹಂತದವರೆಗೆ.</translation>
    </message>
    <message>
        <source>Positions in full</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪೂರ್ಣ ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>Combust, war</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅಸ್ತ, ಯುದ್ಧ</translation>
    </message>
    <message>
        <source>Dignity by Brihat Parashara Hora Shastra ch. 3; combustion by the Surya Siddhanta's orbs; war: two of Mars to Saturn less than 1° apart, the planet to the north winning.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬಲ ಬೃಹತ್ ಪರಾಶರ ಹೋರಾ ಶಾಸ್ತ್ರ ಅ. 3 ರ ಪ್ರಕಾರ; ಅಸ್ತ ಸೂರ್ಯ ಸಿದ್ಧಾಂತದ ಮಿತಿಗಳ ಪ್ರಕಾರ; ಯುದ್ಧ: ಕುಜನಿಂದ ಶನಿವರೆಗಿನ ಎರಡು ಗ್ರಹಗಳು 1° ಗಿಂತ ಕಡಿಮೆ ಅಂತರದಲ್ಲಿ, ಉತ್ತರದಲ್ಲಿರುವ ಗ್ರಹ ಗೆಲ್ಲುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Jaimini: chara karakas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜೈಮಿನಿ: ಚರ ಕಾರಕಗಳು</translation>
    </message>
    <message>
        <source>Arudha padas in every varga</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪ್ರತಿ ವರ್ಗದಲ್ಲಿ ಆರೂಢ ಪದಗಳು</translation>
    </message>
    <message>
        <source>Yogas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಯೋಗಗಳು</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, ಜನನ %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಪುಟ %1 / %2</translation>
    </message>
    <message>
        <source>Velmora chart of %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ರ Velmora ಕುಂಡಲಿ</translation>
    </message>
    <message>
        <source>Signs in the sixteen divisional charts</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹದಿನಾರು ವಿಭಾಗ ಕುಂಡಲಿಗಳಲ್ಲಿ ರಾಶಿಗಳು</translation>
    </message>
    <message>
        <source>&amp;Divisional chart:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವಿಭಾಗ ಕುಂಡಲಿ(&amp;D):</translation>
    </message>
    <message>
        <source>Divisional chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವಿಭಾಗ ಕುಂಡಲಿ</translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರ್ಗೋತ್ತಮ</translation>
    </message>
    <message>
        <source>yes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೌದು</translation>
    </message>
    <message>
        <source>no</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Strength tables</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬಲ ಕೋಷ್ಟಕಗಳು</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸೂರ್ಯೋದಯ(&amp;S):</translation>
    </message>
    <message>
        <source>Upper limb with refraction (as almanacs print)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮೇಲಿನ ಅಂಚು, ವಕ್ರೀಭವನ ಸಹಿತ (ಪಂಚಾಂಗಗಳು ಮುದ್ರಿಸುವಂತೆ)</translation>
    </message>
    <message>
        <source>Centre of the disc without refraction</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಬಿಂಬದ ಕೇಂದ್ರ, ವಕ್ರೀಭವನ ರಹಿತ</translation>
    </message>
    <message>
        <source>Sunrise convention</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸೂರ್ಯೋದಯ ಸಂಪ್ರದಾಯ</translation>
    </message>
    <message>
        <source>Yogas - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಯೋಗಗಳು - %1</translation>
    </message>
    <message>
        <source>The yogas of a catalogue of %1 (Brihat Parashara Hora Shastra, Phaladeepika, Saravali and B. V. Raman's Three Hundred Important Combinations) present in the varga chosen, each with the planets forming it and its source; the doshas of the birth chart below.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಯೋಗಗಳ ಪಟ್ಟಿಯಲ್ಲಿ (ಬೃಹತ್ ಪರಾಶರ ಹೋರಾ ಶಾಸ್ತ್ರ, ಫಲದೀಪಿಕಾ, ಸಾರಾವಳಿ ಮತ್ತು ಬಿ. ವಿ. ರಾಮನ್ ಅವರ Three Hundred Important Combinations) ಆರಿಸಿದ ವರ್ಗದಲ್ಲಿರುವ ಯೋಗಗಳು, ಪ್ರತಿಯೊಂದೂ ಅದನ್ನು ರೂಪಿಸುವ ಗ್ರಹಗಳು ಮತ್ತು ಅದರ ಮೂಲದೊಂದಿಗೆ; ಕೆಳಗೆ ಜನ್ಮ ಕುಂಡಲಿಯ ದೋಷಗಳು.</translation>
    </message>
    <message>
        <source>&amp;Varga:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ವರ್ಗ(&amp;V):</translation>
    </message>
    <message>
        <source>Varga the yogas are read in</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಯೋಗಗಳನ್ನು ಓದುವ ವರ್ಗ</translation>
    </message>
    <message>
        <source>Yogas present</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಇರುವ ಯೋಗಗಳು</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ಹೆಸರನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಅಂಶದಲ್ಲಿ 0 ರಿಂದ 179 ರ ನಡುವಿನ ಮೌಲ್ಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಕಲೆಯಲ್ಲಿ 0 ರಿಂದ 59 ರ ನಡುವಿನ ಮೌಲ್ಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಅಂಶದಲ್ಲಿ 0 ರಿಂದ 89 ರ ನಡುವಿನ ಮೌಲ್ಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಕಲೆಯಲ್ಲಿ 0 ರಿಂದ 59 ರ ನಡುವಿನ ಮೌಲ್ಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನಾಂಕ ಅಥವಾ ತಿಂಗಳು ನಮೂದಿಸಿ!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನಾಂಕ ಅಥವಾ ತಿಂಗಳು ನಮೂದಿಸಿ !</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ನಗರವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ರಾಜ್ಯವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಯವಿಟ್ಟು ದೇಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>the name must end in .pdf, .svg or .png</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೆಸರು .pdf, .svg ಅಥವಾ .png ನಲ್ಲಿ ಕೊನೆಗೊಳ್ಳಬೇಕು</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ಆಗಿ ರಫ್ತು(&amp;E)…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ಆಗಿ ರಫ್ತು</translation>
    </message>
    <message>
        <source>Export Chart as &amp;Image…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕುಂಡಲಿಯನ್ನು ಚಿತ್ರವಾಗಿ ರಫ್ತು(&amp;I)…</translation>
    </message>
    <message>
        <source>Export Chart as Image</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕುಂಡಲಿಯನ್ನು ಚಿತ್ರವಾಗಿ ರಫ್ತು</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG images (*.svg)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG ಚಿತ್ರಗಳು (*.png);;SVG ಚಿತ್ರಗಳು (*.svg)</translation>
    </message>
    <message>
        <source>Choose a name ending in .png or .svg.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>.png ಅಥವಾ .svg ನಲ್ಲಿ ಕೊನೆಗೊಳ್ಳುವ ಹೆಸರನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>The size of the PNG image:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG ಚಿತ್ರದ ಗಾತ್ರ:</translation>
    </message>
    <message>
        <source>&amp;1× (%1 × %2)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>1× (%1 × %2)(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2× (%1 × %2, crisp)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>2× (%1 × %2, ಸ್ಪಷ್ಟ)(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;3× (%1 × %2)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>3× (%1 × %2)(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Yogas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಯೋಗಗಳು(&amp;Y)…</translation>
    </message>
    <message>
        <source>Velmora calculates the arudha for the different houses in your natal chart. Type your birth details and it draws your Vedic birth chart, places the arudha padas AL to A12 among your planets and writes what each of them says about you.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora ನಿಮ್ಮ ಜನ್ಮ ಕುಂಡಲಿಯ ವಿವಿಧ ಭಾವಗಳ ಆರೂಢವನ್ನು ಲೆಕ್ಕಿಸುತ್ತದೆ. ನಿಮ್ಮ ಜನ್ಮ ವಿವರಗಳನ್ನು ಟೈಪ್ ಮಾಡಿದರೆ, ಅದು ನಿಮ್ಮ ವೈದಿಕ ಜನ್ಮ ಕುಂಡಲಿಯನ್ನು ಬಿಡಿಸಿ, AL ನಿಂದ A12 ವರೆಗಿನ ಆರೂಢ ಪದಗಳನ್ನು ನಿಮ್ಮ ಗ್ರಹಗಳ ನಡುವೆ ಇರಿಸಿ, ಪ್ರತಿಯೊಂದೂ ನಿಮ್ಮ ಬಗ್ಗೆ ಏನು ಹೇಳುತ್ತದೆ ಎಂದು ಬರೆಯುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಗೆ ಭೇಟಿ ನೀಡಲು ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮನೆಯಿಂದ ವ್ಯಾಪಾರ ಅವಕಾಶ. ನಿಮ್ಮ ಸ್ವಂತ ಇಂಟರ್ನೆಟ್ ವ್ಯಾಪಾರ ಆರಂಭಿಸಿ ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಗಳಿಸಿ. ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕಾಗಿ ಈ ತಂತ್ರಾಂಶವನ್ನು ಸಂಪೂರ್ಣವಾಗಿ ನಿಮ್ಮ ಬ್ರ್ಯಾಂಡ್‌ನಲ್ಲಿ ಪಡೆಯಿರಿ.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗೆ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Velmora is free software under the GNU Affero General Public License, version 3 or (at your option) any later version. Precise positions are computed with the Swiss Ephemeris (Astrodienst AG), which Debian distributes under the same licence. Birth places come from GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence; time zones from the IANA time-zone database.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora GNU Affero General Public License, ಆವೃತ್ತಿ 3 ಅಥವಾ (ನಿಮ್ಮ ಆಯ್ಕೆಯಂತೆ) ನಂತರದ ಯಾವುದೇ ಆವೃತ್ತಿಯ ಅಡಿಯಲ್ಲಿ ಮುಕ್ತ ತಂತ್ರಾಂಶ. ನಿಖರ ಸ್ಥಾನಗಳನ್ನು ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್ (Astrodienst AG) ಬಳಸಿ ಲೆಕ್ಕಿಸಲಾಗುತ್ತದೆ, ಅದನ್ನು Debian ಅದೇ ಪರವಾನಗಿಯಡಿ ವಿತರಿಸುತ್ತದೆ. ಜನ್ಮ ಸ್ಥಳಗಳು GeoNames (geonames.org) ನಿಂದ, Creative Commons Attribution 4.0 ಪರವಾನಗಿಯಡಿ; ಸಮಯ ವಲಯಗಳು IANA ಸಮಯ ವಲಯ ದತ್ತಸಂಚಯದಿಂದ.</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>The second birth ("%1") cannot be matched: %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಎರಡನೇ ಜನ್ಮವನ್ನು ("%1") ಹೊಂದಿಸಲಾಗದು: %2</translation>
    </message>
    <message>
        <source>its chart cannot be computed: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಅದರ ಕುಂಡಲಿಯನ್ನು ಲೆಕ್ಕಿಸಲಾಗದು: %1</translation>
    </message>
    <message>
        <source>Which of the two is the bride? Varna, Yoni and Gana score the pair by it.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಇಬ್ಬರಲ್ಲಿ ವಧು ಯಾರು? ವರ್ಣ, ಯೋನಿ ಮತ್ತು ಗಣ ಇದರಿಂದಲೇ ಜೋಡಿಗೆ ಅಂಕ ನೀಡುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>%1 (this chart)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 (ಈ ಕುಂಡಲಿ)</translation>
    </message>
    <message>
        <source>&amp;Match With…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಇದರೊಂದಿಗೆ ಹೊಂದಿಸು(&amp;M)…</translation>
    </message>
    <message>
        <source>Match With Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಜನ್ಮ ವಿವರಗಳೊಂದಿಗೆ ಹೊಂದಿಸು</translation>
    </message>
    <message>
        <source>Velmora birth files (*.velmora)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora ಜನ್ಮ ಕಡತಗಳು (*.velmora)</translation>
    </message>
    <message>
        <source>Match With &amp;Recent</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಇತ್ತೀಚಿನದರೊಂದಿಗೆ ಹೊಂದಿಸು(&amp;R)</translation>
    </message>
    <message>
        <source>(no recent birth files)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>(ಇತ್ತೀಚಿನ ಜನ್ಮ ಕಡತಗಳಿಲ್ಲ)</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕಾರ್ಯಕ್ರಮ ಈಗಾಗಲೇ ಚಾಲನೆಯಲ್ಲಿದೆ</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕುಂಡಲಿ ಶೈಲಿ(&amp;S):</translation>
    </message>
    <message>
        <source>South-Indian (signs fixed)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಕ್ಷಿಣ ಭಾರತೀಯ (ರಾಶಿಗಳು ಸ್ಥಿರ)</translation>
    </message>
    <message>
        <source>North-Indian (houses fixed)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಉತ್ತರ ಭಾರತೀಯ (ಭಾವಗಳು ಸ್ಥಿರ)</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕುಂಡಲಿ ಶೈಲಿ</translation>
    </message>
    <message>
        <source>Native &amp;digits</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕನ್ನಡ ಅಂಕಿಗಳು(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಮುಂದೆ(&amp;F)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕೈಪಿಡಿ</translation>
    </message>
    <message>
        <source>The manual is not installed: it belongs in %1.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಕೈಪಿಡಿ ಸ್ಥಾಪಿಸಲಾಗಿಲ್ಲ: ಅದು %1 ರಲ್ಲಿ ಇರಬೇಕು.</translation>
    </message>
    <message>
        <source>, true positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, ನಿಜ ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>, apparent positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, ದೃಶ್ಯ ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>, %1 houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, %1 ಭಾವಗಳು</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಇದು ಸಾಮಾನ್ಯ ಕಡತವಲ್ಲ</translation>
    </message>
    <message>
        <source>the SVG could not be drawn</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>SVG ಅನ್ನು ಬಿಡಿಸಲಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>the PNG could not be encoded</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG ಅನ್ನು ಎನ್‌ಕೋಡ್ ಮಾಡಲಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ಅನ್ನು ಬಿಡಿಸಲಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Opens %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ಅನ್ನು ತೆರೆಯುತ್ತದೆ</translation>
    </message>
    <message>
        <source>North-Indian chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ಉತ್ತರ ಭಾರತೀಯ ಕುಂಡಲಿ</translation>
    </message>
    <message>
        <source>South-Indian chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ದಕ್ಷಿಣ ಭಾರತೀಯ ಕುಂಡಲಿ</translation>
    </message>
</context>
</TS>
