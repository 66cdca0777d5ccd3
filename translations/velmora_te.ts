<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te_IN">
<context>
    <name>Velmora</name>
    <message>
        <source>Ayanamsa and Houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అయనాంశ మరియు భావాలు</translation>
    </message>
    <message>
        <source>Ashtakavarga - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అష్టకవర్గ - %1</translation>
    </message>
    <message>
        <source>Birth time - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జనన సమయం - %1</translation>
    </message>
    <message>
        <source>Bhavas (houses) - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భావాలు - %1</translation>
    </message>
    <message>
        <source>Dashas - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దశలు - %1</translation>
    </message>
    <message>
        <source>Panchanga at birth - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జనన పంచాంగం - %1</translation>
    </message>
    <message>
        <source>Transits - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గోచారం - %1</translation>
    </message>
    <message>
        <source>Nakshatras, dasha and Navamsa - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నక్షత్రాలు, దశ మరియు నవాంశ - %1</translation>
    </message>
    <message>
        <source>Jaimini - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జైమిని - %1</translation>
    </message>
    <message>
        <source>Marriage match - %1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వివాహ పొంతన - %1 మరియు %2</translation>
    </message>
    <message>
        <source>Positions - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గ్రహ స్థితులు - %1</translation>
    </message>
    <message>
        <source>Divisional charts (Shodasavarga) - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వర్గ చక్రాలు (షోడశవర్గ) - %1</translation>
    </message>
    <message>
        <source>Print Preview - Velmora</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ముద్రణ మునుజూపు - Velmora</translation>
    </message>
    <message>
        <source>&amp;Vargas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వర్గాలు(&amp;V)…</translation>
    </message>
    <message>
        <source>P&amp;ositions…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గ్రహ స్థితులు(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Bhavas (Houses)…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భావాలు(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Dashas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దశలు(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అష్టకవర్గ(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Jaimini…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జైమిని(&amp;J)…</translation>
    </message>
    <message>
        <source>&amp;Panchanga…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పంచాంగం(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Transits…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గోచారం(&amp;T)…</translation>
    </message>
    <message>
        <source>Birth t&amp;ime…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జనన సమయం(&amp;I)…</translation>
    </message>
    <message>
        <source>Velmora Interpretation</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora ఫలితాలు</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇంటి నుండి వ్యాపార అవకాశం. మీ సొంత ఇంటర్నెట్ వ్యాపారాన్ని ప్రారంభించి ఆన్‌లైన్‌లో సంపాదించండి. ఈ సాఫ్ట్‌వేర్‌ను మీ వెబ్‌సైట్ పేరుతో పొందండి. మరిన్ని వివరాలకు ఇక్కడ క్లిక్ చేయండి.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వెనుకకు(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నిష్క్రమించు(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఫైల్(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జనన వివరాలు తెరువు(&amp;O)…</translation>
    </message>
    <message>
        <source>Save Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జనన వివరాలు భద్రపరచు…</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జాతకం(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Nakshatras, Dasha, Navamsa…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నక్షత్రాలు, దశ, నవాంశ(&amp;N)…</translation>
    </message>
    <message>
        <source>No web browser could be opened for %1. The address is on the clipboard, to paste into a browser.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 కోసం ఏ వెబ్ బ్రౌజర్‌నూ తెరవలేకపోయాం. చిరునామా క్లిప్‌బోర్డ్‌లో ఉంది; దాన్ని బ్రౌజర్‌లో అతికించండి.</translation>
    </message>
    <message>
        <source> The manual on this computer is under Help &gt; Contents (F1).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ఈ కంప్యూటర్‌లో మాన్యువల్ సహాయం &gt; విషయసూచిక (F1) లో ఉంది.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సహాయం(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>విషయసూచిక(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఆన్‌లైన్ సహాయం(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మా వెబ్‌సైట్ సందర్శించండి(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సాఫ్ట్‌వేర్ నవీకరణ కోసం చూడు(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సాఫ్ట్‌వేర్ గురించి(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>విరాళం(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భాష(&amp;L)</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora మాన్యువల్</translation>
    </message>
    <message>
        <source>&amp;Save Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జనన వివరాలు భద్రపరచు(&amp;S)…</translation>
    </message>
    <message>
        <source>Analyze My Graha Arudha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నా గ్రహ ఆరూఢ విశ్లేషణ</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పేరు(&amp;N)</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పుట్టిన తేదీ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పుట్టిన సమయం(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నగరం(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాష్ట్రం(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దేశం(&amp;O)</translation>
    </message>
    <message>
        <source>Deg</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>డిగ్రీ</translation>
    </message>
    <message>
        <source>Min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నిమి</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సమయ మండలం(&amp;Z)</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>డేలైట్ సేవింగ్ సమయం</translation>
    </message>
    <message>
        <source>&amp;Precise positions (Swiss Ephemeris)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఖచ్చితమైన స్థానాలు (స్విస్ ఎఫెమెరిస్)(&amp;P)</translation>
    </message>
    <message>
        <source>T&amp;rue node for Rahu and Ketu</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాహు కేతువులకు నిజ పాతం(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;yanamsa and Houses…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అయనాంశ మరియు భావాలు(&amp;Y)…</translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అక్షాంశం, రేఖాంశం కోసం క్లిక్ చేయండి</translation>
    </message>
    <message>
        <source>Strengths - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>బలాలు - %1</translation>
    </message>
    <message>
        <source>&amp;Strengths…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>బలాలు(&amp;S)…</translation>
    </message>
</context>
</TS>
