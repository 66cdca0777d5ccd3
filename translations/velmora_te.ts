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
    <message>
        <source>The &amp;earlier one</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మొదటిది(&amp;E)</translation>
    </message>
    <message>
        <source>The &amp;later one</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>తరువాతిది(&amp;L)</translation>
    </message>
    <message>
        <source>Velmora birth files (*.velmora);;All files (*)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora జన్మ ఫైళ్లు (*.velmora);;అన్ని ఫైళ్లు (*)</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it with this birth all the same?</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 చదవడానికి మాత్రమే. అయినా దీన్ని ఈ జన్మతో మార్చాలా?</translation>
    </message>
    <message>
        <source>&amp;Replace It</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మార్చు(&amp;R)</translation>
    </message>
    <message>
        <source>Open Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ వివరాలు తెరువు</translation>
    </message>
    <message>
        <source>Save Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ వివరాలు భద్రపరచు</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అయనాంశ(&amp;A):</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అయనాంశ</translation>
    </message>
    <message>
        <source>Custom &amp;date (0 h UT):</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్వంత తేదీ(&amp;D) (0 గం UT):</translation>
    </message>
    <message>
        <source>Custom ayanamsa: its date, 0 h Universal Time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్వంత అయనాంశ: దాని తేదీ, 0 గం సార్వత్రిక సమయం</translation>
    </message>
    <message>
        <source>Custom &amp;value (mean):</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్వంత విలువ(&amp;V) (సగటు):</translation>
    </message>
    <message>
        <source>Custom ayanamsa: its mean value on that date, in degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్వంత అయనాంశ: ఆ తేదీన దాని సగటు విలువ, డిగ్రీలలో</translation>
    </message>
    <message>
        <source>Apparent (light time, aberration, nutation)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దృశ్య (కాంతి సమయం, విపథనం, అక్షచలనం)</translation>
    </message>
    <message>
        <source>True (geometric)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నిజ (జ్యామితీయ)</translation>
    </message>
    <message>
        <source>&amp;Positions:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్థానాలు(&amp;P):</translation>
    </message>
    <message>
        <source>Positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్థానాలు</translation>
    </message>
    <message>
        <source>Whole signs</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పూర్తి రాశి</translation>
    </message>
    <message>
        <source>Sripati</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>శ్రీపతి</translation>
    </message>
    <message>
        <source>Placidus (KP)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ప్లాసిడస్ (కేపీ)</translation>
    </message>
    <message>
        <source>Equal, from the ascendant</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సమానం, లగ్నం నుండి</translation>
    </message>
    <message>
        <source>&amp;Houses:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భావాలు(&amp;H):</translation>
    </message>
    <message>
        <source>Houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భావాలు</translation>
    </message>
    <message>
        <source>Velmora calculates the arudhas for the different houses in your natal chart. Enter the birth details below and press "Analyze My Graha Arudha" to see the chart, the twelve arudha padas from the Arudha Lagna to the Upapada, and what they say about the person.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora మీ జన్మ చక్రంలోని వివిధ భావాల ఆరూఢాలను లెక్కిస్తుంది. క్రింద జన్మ వివరాలు నమోదు చేసి, చక్రం, ఆరూఢ లగ్నం నుండి ఉపపదం వరకు పన్నెండు ఆరూఢ పదాలు, అవి ఆ వ్యక్తి గురించి ఏమి చెబుతాయో చూడటానికి "నా గ్రహ ఆరూఢ విశ్లేషణ" నొక్కండి.</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ మాసం</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ దినం</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ సంవత్సరం</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ గంట</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ నిమిషం</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ సెకను</translation>
    </message>
    <message>
        <source>City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నగరం</translation>
    </message>
    <message>
        <source>Type the first letters of the birth place to choose it from the atlas, with its coordinates and time zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ స్థలం మొదటి అక్షరాలు టైప్ చేసి, దాని నిర్దేశాంకాలు మరియు సమయ మండలంతో అట్లాస్ నుండి ఎంచుకోండి</translation>
    </message>
    <message>
        <source>State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాష్ట్రం</translation>
    </message>
    <message>
        <source>Country</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దేశం</translation>
    </message>
    <message>
        <source>&amp;Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రేఖాంశం(&amp;L)</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రేఖాంశ డిగ్రీలు</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రేఖాంశ నిమిషాలు</translation>
    </message>
    <message>
        <source>East</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>తూర్పు</translation>
    </message>
    <message>
        <source>West</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పడమర</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అక్షాంశం(&amp;A)</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అక్షాంశ డిగ్రీలు</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అక్షాంశ నిమిషాలు</translation>
    </message>
    <message>
        <source>North</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఉత్తరం</translation>
    </message>
    <message>
        <source>South</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దక్షిణం</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సమయ మండలం</translation>
    </message>
    <message>
        <source>Time zone of the chosen place</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఎంచుకున్న స్థలం సమయ మండలం</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఖచ్చిత స్థానాలు (స్విస్ ఎఫెమెరిస్)</translation>
    </message>
    <message>
        <source>Compute the chart from the Swiss Ephemeris at the true birth instant instead of the classic engine</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సంప్రదాయ యంత్రానికి బదులు నిజ జన్మ క్షణంలో స్విస్ ఎఫెమెరిస్ నుండి చక్రాన్ని లెక్కించు</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris at the birth instant in Universal Time, Lahiri ayanamsa; the seconds of the time count.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సార్వత్రిక సమయంలో జన్మ క్షణంలో స్విస్ ఎఫెమెరిస్ నుండి స్థానాలు, లాహిరి అయనాంశ; సమయంలోని సెకన్లు కూడా లెక్కలోకి వస్తాయి.</translation>
    </message>
    <message>
        <source>True node for Rahu and Ketu</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాహు కేతువులకు నిజ పాతం</translation>
    </message>
    <message>
        <source>With precise positions, the true lunar node instead of the mean node</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఖచ్చిత స్థానాలతో, సగటు పాతానికి బదులు నిజ చంద్ర పాతం</translation>
    </message>
    <message>
        <source>Click for Latitude &amp; Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అక్షాంశం &amp; రేఖాంశం కోసం నొక్కండి</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online astrology forum. Click here to visit our site.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మా ఆన్‌లైన్ జ్యోతిష వేదికలో ఇతర పాఠకులతో మీ చక్రం గురించి మాట్లాడండి. మా సైట్‌కు వెళ్లడానికి ఇక్కడ నొక్కండి.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Click here for more details on co-branding.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మీ సైట్ కోసం ఈ సాఫ్ట్‌వేర్‌ను సహ-బ్రాండ్ చేయండి. సహ-బ్రాండింగ్ గురించి మరిన్ని వివరాలకు ఇక్కడ నొక్కండి.</translation>
    </message>
    <message>
        <source>the coordinates as typed are %1 km from it</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>టైప్ చేసిన నిర్దేశాంకాలు దాని నుండి %1 కి.మీ. దూరంలో ఉన్నాయి</translation>
    </message>
    <message>
        <source>the coordinates and time zone are those of %1, as typed (%2 km away)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నిర్దేశాంకాలు, సమయ మండలం టైప్ చేసినట్లు %1 వి (%2 కి.మీ. దూరం)</translation>
    </message>
    <message>
        <source>The City "%1" is %2 in the atlas, but %3. Take %2 with its coordinates and time zone, or keep the typed values?</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నగరం "%1" అట్లాస్‌లో %2, కానీ %3. %2 ను దాని నిర్దేశాంకాలు, సమయ మండలంతో తీసుకోవాలా, లేక టైప్ చేసిన విలువలు ఉంచాలా?</translation>
    </message>
    <message>
        <source>&amp;Take the named place</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పేరున్న స్థలం తీసుకో(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Keep the typed values</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>టైప్ చేసిన విలువలు ఉంచు(&amp;K)</translation>
    </message>
    <message>
        <source>Place set aside: the coordinates and zone are as typed</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్థలం పక్కన పెట్టబడింది: నిర్దేశాంకాలు, మండలం టైప్ చేసినట్లే</translation>
    </message>
    <message>
        <source> (coordinates edited)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> (నిర్దేశాంకాలు మార్చబడ్డాయి)</translation>
    </message>
    <message>
        <source>&amp;Recent Birth Files</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇటీవలి జన్మ ఫైళ్లు(&amp;R)</translation>
    </message>
    <message>
        <source>%1 is no longer there; it is taken off the list of recent birth files.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ఇప్పుడు లేదు; దాన్ని ఇటీవలి జన్మ ఫైళ్ల జాబితా నుండి తీసివేశాం.</translation>
    </message>
    <message>
        <source>The classic positions are computed for the years %1 to %2: the year %3 is shown as %4 until precise positions are chosen again.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సంప్రదాయ స్థానాలు %1 నుండి %2 సంవత్సరాలకు లెక్కించబడతాయి: ఖచ్చిత స్థానాలు మళ్లీ ఎంచుకునే వరకు సంవత్సరం %3 ను %4 గా చూపుతాం.</translation>
    </message>
    <message>
        <source>Parashara's ashtakavarga: the bindus each planet receives in each sign from the seven planets and the ascendant, and their sum by sign, the sarvashtakavarga (SAV, 337 in all).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పరాశర అష్టకవర్గు: ఏడు గ్రహాలు మరియు లగ్నం నుండి ప్రతి గ్రహం ప్రతి రాశిలో పొందే బిందువులు, రాశి వారీగా వాటి మొత్తం, సర్వాష్టకవర్గు (SAV, మొత్తం 337).</translation>
    </message>
    <message>
        <source>&amp;Reading:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పఠనం(&amp;R):</translation>
    </message>
    <message>
        <source>Reading of the tables</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పట్టికల పఠనం</translation>
    </message>
    <message>
        <source>Re&amp;duced (trikona and ekadhipatya shodhana)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>శోధితం(&amp;D) (త్రికోణ, ఏకాధిపత్య శోధన)</translation>
    </message>
    <message>
        <source>Reduced tables and pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>శోధిత పట్టికలు, పిండాలు</translation>
    </message>
    <message>
        <source>Total</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మొత్తం</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాశి</translation>
    </message>
    <message>
        <source>Graha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గ్రహ</translation>
    </message>
    <message>
        <source>Shodhya</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>శోధ్య</translation>
    </message>
    <message>
        <source>Bindus by planet and sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గ్రహం, రాశి వారీగా బిందువులు</translation>
    </message>
    <message>
        <source>Bindus after trikona and ekadhipatya shodhana, and the pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>త్రికోణ, ఏకాధిపత్య శోధన తర్వాత బిందువులు, పిండాలు</translation>
    </message>
    <message>
        <source>Sarvashtakavarga: bindus in each sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సర్వాష్టకవర్గు: ప్రతి రాశిలో బిందువులు</translation>
    </message>
    <message>
        <source>given</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చినది</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1%2 ని</translation>
    </message>
    <message>
        <source>&amp;Window either side of the given time:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన సమయానికి ఇరువైపులా వ్యవధి(&amp;W):</translation>
    </message>
    <message>
        <source> min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ని</translation>
    </message>
    <message>
        <source>Window either side of the given time, in minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన సమయానికి ఇరువైపులా వ్యవధి, నిమిషాలలో</translation>
    </message>
    <message>
        <source>Show &amp;every item, also those that keep their value</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ప్రతి అంశం చూపు(&amp;E), విలువ మారనివి కూడా</translation>
    </message>
    <message>
        <source>S&amp;hift:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జరుపు(&amp;H):</translation>
    </message>
    <message>
        <source>Shift from the given time, in seconds</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన సమయం నుండి జరుపు, సెకన్లలో</translation>
    </message>
    <message>
        <source>−1 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>−1 ని</translation>
    </message>
    <message>
        <source>A minute earlier</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఒక నిమిషం ముందు</translation>
    </message>
    <message>
        <source>−1 s</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>−1 సె</translation>
    </message>
    <message>
        <source>A second earlier</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఒక సెకను ముందు</translation>
    </message>
    <message>
        <source>&amp;Given time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన సమయం(&amp;G)</translation>
    </message>
    <message>
        <source>Back to the given time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన సమయానికి తిరిగి</translation>
    </message>
    <message>
        <source>+1 s</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>+1 సె</translation>
    </message>
    <message>
        <source>A second later</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఒక సెకను తర్వాత</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>+1 ని</translation>
    </message>
    <message>
        <source>A minute later</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఒక నిమిషం తర్వాత</translation>
    </message>
    <message>
        <source>The chart of the shifted moment</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జరిపిన క్షణం చక్రం</translation>
    </message>
    <message>
        <source>The chart at a shifted birth time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జరిపిన జన్మ సమయంలో చక్రం</translation>
    </message>
    <message>
        <source>%1 of %2 items keep their value throughout the window. %3.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%2 లో %1 అంశాల విలువ వ్యవధి అంతా మారదు. %3.</translation>
    </message>
    <message>
        <source>The given time, %1: the chart as computed.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన సమయం, %1: లెక్కించిన చక్రం.</translation>
    </message>
    <message>
        <source>%1 before the given time: the chart of %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన సమయానికి %1 ముందు: %2 చక్రం.</translation>
    </message>
    <message>
        <source>%1 after the given time: the chart of %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన సమయానికి %1 తర్వాత: %2 చక్రం.</translation>
    </message>
    <message>
        <source>The chart of %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 చక్రం</translation>
    </message>
    <message>
        <source>%1: %2 (given: %3)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1: %2 (ఇచ్చినది: %3)</translation>
    </message>
    <message>
        <source>Every item is as in the given chart.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ప్రతి అంశం ఇచ్చిన చక్రంలో ఉన్నట్లే ఉంది.</translation>
    </message>
    <message>
        <source>What differs from the given chart (%1 items): %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇచ్చిన చక్రం నుండి భిన్నమైనవి (%1 అంశాలు): %2.</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఖచ్చిత స్థానాలు</translation>
    </message>
    <message>
        <source>House %1, %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భావం %1, %2</translation>
    </message>
    <message>
        <source>%1, house %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, భావం %2</translation>
    </message>
    <message>
        <source>: empty</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>: ఖాళీ</translation>
    </message>
    <message>
        <source>A classic chart has no house cusps: choose precise positions on the form for the bhavas.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సంప్రదాయ చక్రంలో భావ సంధులు లేవు: భావాల కోసం ఫారంలో ఖచ్చిత స్థానాలు ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>, true positions.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, నిజ స్థానాలు.</translation>
    </message>
    <message>
        <source>, apparent positions.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, దృశ్య స్థానాలు.</translation>
    </message>
    <message>
        <source>House</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భావం</translation>
    </message>
    <message>
        <source>Begins at</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ప్రారంభం</translation>
    </message>
    <message>
        <source>Points</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>బిందువులు</translation>
    </message>
    <message>
        <source>House cusps</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భావ సంధులు</translation>
    </message>
    <message>
        <source>Cusps</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సంధులు</translation>
    </message>
    <message>
        <source>Point</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>బిందువు</translation>
    </message>
    <message>
        <source>Sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాశి</translation>
    </message>
    <message>
        <source>Each point's house</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ప్రతి బిందువు భావం</translation>
    </message>
    <message>
        <source>Bhava chart (bhava chalit)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భావ చక్రం (భావ చలితం)</translation>
    </message>
    <message>
        <source>Dasha system</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దశ పద్ధతి</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దశ సంవత్సరం</translation>
    </message>
    <message>
        <source>&amp;System:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పద్ధతి(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సంవత్సరం(&amp;Y):</translation>
    </message>
    <message>
        <source>Dasha periods</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దశ కాలాలు</translation>
    </message>
    <message>
        <source>Period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కాలం</translation>
    </message>
    <message>
        <source>Level</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్థాయి</translation>
    </message>
    <message>
        <source>From</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నుండి</translation>
    </message>
    <message>
        <source>To</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వరకు</translation>
    </message>
    <message>
        <source>  (running)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>  (నడుస్తున్నది)</translation>
    </message>
    <message>
        <source>%1 dasha, %2. Years of %3; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 దశ, %2. %3 సంవత్సరాలు; తేదీలు, సమయాలు జన్మ స్థానిక గడియారంలో.</translation>
    </message>
    <message>
        <source>%1 dasha from the Moon in %2: %3 period, %4 left at birth. Years of %5; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%2 లోని చంద్రుని నుండి %1 దశ: %3 కాలం, జన్మ సమయానికి %4 మిగిలింది. %5 సంవత్సరాలు; తేదీలు, సమయాలు జన్మ స్థానిక గడియారంలో.</translation>
    </message>
    <message>
        <source> Running on %1: %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> %1 న నడుస్తున్నది: %2.</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ తేదీ :</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ తేదీ</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ సమయం :</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ సమయం</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రేఖాంశం :</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రేఖాంశం</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అక్షాంశం   :</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అక్షాంశం</translation>
    </message>
    <message>
        <source>City :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నగరం :</translation>
    </message>
    <message>
        <source>State :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాష్ట్రం :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దేశం :</translation>
    </message>
    <message>
        <source>not given</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇవ్వలేదు</translation>
    </message>
    <message>
        <source>no bodies</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గ్రహాలు లేవు</translation>
    </message>
    <message>
        <source>no arudhas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఆరూఢాలు లేవు</translation>
    </message>
    <message>
        <source>arudhas </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఆరూఢాలు </translation>
    </message>
    <message>
        <source>Birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ చక్రం</translation>
    </message>
    <message>
        <source>Time zone and positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సమయ మండలం, స్థానాలు</translation>
    </message>
    <message>
        <source>The report is in English: its rules have no reviewed translation yet.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నివేదిక ఆంగ్లంలో ఉంది: దాని నియమాలకు ఇంకా సమీక్షించిన అనువాదం లేదు.</translation>
    </message>
    <message>
        <source>Hora</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>హోర</translation>
    </message>
    <message>
        <source>Visit the Velmora forum</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora వేదికను సందర్శించండి</translation>
    </message>
    <message>
        <source>Your details</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మీ వివరాలు</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వైదిక గ్రహ స్థితి</translation>
    </message>
    <message>
        <source>Report</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నివేదిక</translation>
    </message>
    <message>
        <source>Talk about your chart at our forum</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మా వేదికలో మీ చక్రం గురించి మాట్లాడండి</translation>
    </message>
    <message>
        <source>&amp;Nakshatras, dasha, Navamsa...</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నక్షత్రాలు, దశ, నవాంశ(&amp;N)...</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పంచాంగం</translation>
    </message>
    <message>
        <source>Moments on the birth's clock (UTC%1), to the second: each is solved to half a second. The weekday runs from sunrise to sunrise: a birth before sunrise belongs to the day before; on a date the Sun does not rise, the day begins at local midnight.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>క్షణాలు జన్మ గడియారంలో (UTC%1), సెకను వరకు: ప్రతిదీ అర సెకనుకు సాధించబడింది. వారం సూర్యోదయం నుండి సూర్యోదయం వరకు: సూర్యోదయానికి ముందు జన్మ ముందు రోజుకు చెందుతుంది; సూర్యుడు ఉదయించని తేదీన రోజు స్థానిక అర్ధరాత్రి మొదలవుతుంది.</translation>
    </message>
    <message>
        <source>&amp;Moment on the birth place's clock:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ స్థల గడియారంలో క్షణం(&amp;M):</translation>
    </message>
    <message>
        <source>Moment on the birth place's clock</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ స్థల గడియారంలో క్షణం</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చూపు(&amp;S)</translation>
    </message>
    <message>
        <source>Show the transits of this moment</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఈ క్షణపు గోచారం చూపు</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇప్పుడు(&amp;N)</translation>
    </message>
    <message>
        <source>Show the transits now</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇప్పటి గోచారం చూపు</translation>
    </message>
    <message>
        <source>Transits over the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ చక్రంపై గోచారం</translation>
    </message>
    <message>
        <source>Transits (T-) over the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ చక్రంపై గోచారం (T-)</translation>
    </message>
    <message>
        <source>Transiting positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గోచార స్థానాలు</translation>
    </message>
    <message>
        <source>Positions and houses from the Moon and the ascendant</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చంద్రుడు, లగ్నం నుండి స్థానాలు, భావాలు</translation>
    </message>
    <message>
        <source>Sade sati</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఏలినాటి శని</translation>
    </message>
    <message>
        <source>Next sign changes and stations</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>తదుపరి రాశి మార్పులు, స్తంభనాలు</translation>
    </message>
    <message>
        <source>Next sign changes and stations within a year</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఒక సంవత్సరంలోపు తదుపరి రాశి మార్పులు, స్తంభనాలు</translation>
    </message>
    <message>
        <source>Transits at %1 on the birth place's clock (UTC%2), in the birth chart's ephemeris, ayanamsa and node. The tables' moments are on the same clock, to the minute: each sign change, station and phase is found to within a minute.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ స్థల గడియారంలో (UTC%2) %1 న గోచారం, జన్మ చక్రపు ఎఫెమెరిస్, అయనాంశ, పాతంలో. పట్టికల క్షణాలు అదే గడియారంలో, నిమిషం వరకు: ప్రతి రాశి మార్పు, స్తంభనం, కళ ఒక నిమిషంలోపు కనుగొనబడింది.</translation>
    </message>
    <message>
        <source>Moon in %1, pada %2 (lord %3).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చంద్రుడు %1 లో, పాదం %2 (అధిపతి %3).</translation>
    </message>
    <message>
        <source> Today (%1): %2 period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ఈరోజు (%1): %2 కాలం</translation>
    </message>
    <message>
        <source>, %1 sub-period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, %1 ఉప కాలం</translation>
    </message>
    <message>
        <source>De&amp;grees in the cells</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గడులలో డిగ్రీలు(&amp;G)</translation>
    </message>
    <message>
        <source>Degrees in the birth chart's cells</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ చక్రపు గడులలో డిగ్రీలు</translation>
    </message>
    <message>
        <source>Rashi (birth chart)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాశి (జన్మ చక్రం)</translation>
    </message>
    <message>
        <source>Navamsa (D9)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నవాంశ (D9)</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నక్షత్రాలు</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నక్షత్రం</translation>
    </message>
    <message>
        <source>Pada</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పాదం</translation>
    </message>
    <message>
        <source>Lord</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అధిపతి</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నవాంశ</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వింశోత్తరి దశ</translation>
    </message>
    <message>
        <source>%1 period, %2 left at birth. Years of %3 days; dates in the birth's local calendar.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 కాలం, జన్మ సమయానికి %2 మిగిలింది. సంవత్సరం %3 రోజులు; తేదీలు జన్మ స్థానిక క్యాలెండర్‌లో.</translation>
    </message>
    <message>
        <source>Chara karakas by the planets' degrees in their signs (Brihat Parashara Hora Shastra ch. 32), the karakamsa, the aspects of signs and argala (Jaimini Sutras 1.1).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గ్రహాలు తమ రాశులలో ఉన్న డిగ్రీలను బట్టి చర కారకాలు (బృహత్ పరాశర హోరా శాస్త్రం అ. 32), కారకాంశ, రాశుల దృష్టులు, అర్గళ (జైమిని సూత్రాలు 1.1).</translation>
    </message>
    <message>
        <source>&amp;Karakas:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కారకాలు(&amp;K):</translation>
    </message>
    <message>
        <source>Seven (Sun to Saturn)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఏడు (సూర్యుడు నుండి శని)</translation>
    </message>
    <message>
        <source>Eight (with Rahu)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఎనిమిది (రాహువుతో)</translation>
    </message>
    <message>
        <source>Chara karaka scheme</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చర కారక పద్ధతి</translation>
    </message>
    <message>
        <source>Karaka</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కారకం</translation>
    </message>
    <message>
        <source>Planet</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గ్రహం</translation>
    </message>
    <message>
        <source>Degrees in its sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>తన రాశిలో డిగ్రీలు</translation>
    </message>
    <message>
        <source>Chara karakas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చర కారకాలు</translation>
    </message>
    <message>
        <source>Chara karakas in the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ చక్రంలో చర కారకాలు</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దృష్టులు</translation>
    </message>
    <message>
        <source>Rashi drishti: the signs each sign aspects</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాశి దృష్టి: ప్రతి రాశి చూసే రాశులు</translation>
    </message>
    <message>
        <source>Rashi drishti</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాశి దృష్టి</translation>
    </message>
    <message>
        <source>Argala</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అర్గళ</translation>
    </message>
    <message>
        <source>Argala on each house</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ప్రతి భావంపై అర్గళ</translation>
    </message>
    <message>
        <source>Argala and virodhargala</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అర్గళ, విరోధార్గళ</translation>
    </message>
    <message>
        <source> (counted back)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> (వెనుకకు లెక్కించినది)</translation>
    </message>
    <message>
        <source>%1: %2, Moon in %3, %4 pada %5</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1: %2, చంద్రుడు %3 లో, %4 పాదం %5</translation>
    </message>
    <message>
        <source>North-Indian ashtakoota guna milan: eight kootas compare the bride's and the groom's Moons (their signs and nakshatras) and give 36 points in all: Varna 1, Vashya 2, Tara 3, Yoni 4, Graha Maitri 5, Gana 6, Bhakoot 7 and Nadi 8. Each row says why it gives its points. 18 or more is commonly taken as acceptable. A Nadi or Bhakoot dosha (no points there) is noted below with the exceptions that cancel it, and so is each chart's Mars dosha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఉత్తర భారత అష్టకూట గుణ మేళనం: ఎనిమిది కూటాలు వధూవరుల చంద్రులను (వారి రాశులు, నక్షత్రాలు) పోల్చి మొత్తం 36 గుణాలు ఇస్తాయి: వర్ణం 1, వశ్యం 2, తార 3, యోని 4, గ్రహ మైత్రి 5, గణం 6, భకూటం 7, నాడి 8. ప్రతి వరుస తన గుణాలకు కారణం చెబుతుంది. 18 లేదా అంతకంటే ఎక్కువ సాధారణంగా ఆమోదయోగ్యంగా భావిస్తారు. నాడి లేదా భకూట దోషం (అక్కడ గుణాలు లేవు) దాన్ని రద్దు చేసే మినహాయింపులతో క్రింద చెప్పబడింది, ప్రతి చక్రపు కుజ దోషం కూడా</translation>
    </message>
    <message>
        <source>Bride</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వధువు</translation>
    </message>
    <message>
        <source>Groom</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వరుడు</translation>
    </message>
    <message>
        <source>Total: %1 of 36</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మొత్తం: 36 లో %1</translation>
    </message>
    <message>
        <source>Nadi dosha: none.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నాడి దోషం: లేదు.</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>భకూట దోషం: లేదు.</translation>
    </message>
    <message>
        <source>Mars dosha, bride: </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కుజ దోషం, వధువు: </translation>
    </message>
    <message>
        <source>Mars dosha, groom: </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కుజ దోషం, వరుడు: </translation>
    </message>
    <message>
        <source>Marriage match</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వివాహ పొంతన</translation>
    </message>
    <message>
        <source>Koota</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కూటం</translation>
    </message>
    <message>
        <source>Max</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గరిష్ఠం</translation>
    </message>
    <message>
        <source>Why</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కారణం</translation>
    </message>
    <message>
        <source>Velmora marriage match of %1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, %2 ల Velmora వివాహ పొంతన</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ముద్రించు(&amp;P)…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF గా ఎగుమతి(&amp;D)…</translation>
    </message>
    <message>
        <source>Bride: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వధువు: %1</translation>
    </message>
    <message>
        <source>Groom: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వరుడు: %1</translation>
    </message>
    <message>
        <source>Kootas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కూటాలు</translation>
    </message>
    <message>
        <source>Doshas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దోషాలు</translation>
    </message>
    <message>
        <source>Export Match as PDF</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పొంతనను PDF గా ఎగుమతి చేయి</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ఫైళ్లు (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>"%1" ను వ్రాయలేకపోయాం: %2.</translation>
    </message>
    <message>
        <source>Classic positions (the program's own model): the engine computes no speeds.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సంప్రదాయ స్థానాలు (ప్రోగ్రామ్ స్వంత నమూనా): యంత్రం వేగాలను లెక్కించదు.</translation>
    </message>
    <message>
        <source>. Speeds in degrees a day.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>. వేగాలు రోజుకు డిగ్రీలలో.</translation>
    </message>
    <message>
        <source>The ten points in full</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పది బిందువులు పూర్తిగా</translation>
    </message>
    <message>
        <source>Dignity: Brihat Parashara Hora Shastra ch. 3 (exaltation, moolatrikona, own sign, and the compound of the natural and temporary relations to the sign's lord). Combustion: the Surya Siddhanta's orbs (Moon 12°, Mars 17°, Mercury 14° or 12° retrograde, Jupiter 11°, Venus 10° or 8° retrograde, Saturn 15°). War: two of Mars to Saturn less than 1° apart, the planet to the north (greater latitude) winning.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>బలం: బృహత్ పరాశర హోరా శాస్త్రం అ. 3 (ఉచ్ఛ, మూలత్రికోణ, స్వక్షేత్రం, రాశ్యధిపతితో నైసర్గిక, తాత్కాలిక సంబంధాల మిశ్రమం). అస్తంగతం: సూర్య సిద్ధాంత పరిమితులు (చంద్రుడు 12°, కుజుడు 17°, బుధుడు 14° లేదా వక్రంలో 12°, గురువు 11°, శుక్రుడు 10° లేదా వక్రంలో 8°, శని 15°). గ్రహ యుద్ధం: కుజుడి నుండి శని వరకు రెండు గ్రహాలు 1° కంటే తక్కువ దూరంలో, ఉత్తరాన (ఎక్కువ శరం) ఉన్న గ్రహం గెలుస్తుంది.</translation>
    </message>
    <message>
        <source>Name :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పేరు :</translation>
    </message>
    <message>
        <source>Place :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్థలం :</translation>
    </message>
    <message>
        <source>Time zone :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సమయ మండలం :</translation>
    </message>
    <message>
        <source>Positions :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>స్థానాలు :</translation>
    </message>
    <message>
        <source>Nakshatras and Navamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నక్షత్రాలు, నవాంశ</translation>
    </message>
    <message>
        <source> Running on %1: marked *.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> %1 న నడుస్తున్నవి: * గుర్తుతో.</translation>
    </message>
    <message>
        <source>Divisional charts (Shodasavarga)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>విభాగ చక్రాలు (షోడశవర్గు)</translation>
    </message>
    <message>
        <source>Vargottama (the same sign in D1 and D9): %1.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వర్గోత్తమం (D1, D9 లో ఒకే రాశి): %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఏదీ లేదు</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Ashtakavarga (Parashara): bindus by sign, %1's reading</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అష్టకవర్గు (పరాశర): రాశి వారీ బిందువులు, %1 పఠనం</translation>
    </message>
    <message>
        <source>Ashtakavarga after trikona and ekadhipatya shodhana</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>త్రికోణ, ఏకాధిపత్య శోధన తర్వాత అష్టకవర్గు</translation>
    </message>
    <message>
        <source>Pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పిండాలు</translation>
    </message>
    <message>
        <source>Rasi pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రాశి పిండం</translation>
    </message>
    <message>
        <source>Graha pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>గ్రహ పిండం</translation>
    </message>
    <message>
        <source>Shodhya pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>శోధ్య పిండం</translation>
    </message>
    <message>
        <source>Birth time: what changes within ±%1 minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ సమయం: ±%1 నిమిషాలలో ఏమి మారుతుంది</translation>
    </message>
    <message>
        <source>%1 other items (the grahas' signs in the vargas, bhavas, cusps) change within the window; the Birth time page shows each.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ఇతర అంశాలు (వర్గులలో గ్రహాల రాశులు, భావాలు, సంధులు) వ్యవధిలో మారుతాయి; జన్మ సమయ పేజీ ప్రతిదీ చూపుతుంది.</translation>
    </message>
    <message>
        <source>Panchanga at birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ పంచాంగం</translation>
    </message>
    <message>
        <source>Moments on the birth's clock, to the second.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>క్షణాలు జన్మ గడియారంలో, సెకను వరకు.</translation>
    </message>
    <message>
        <source>%1 dasha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 దశ</translation>
    </message>
    <message>
        <source> Running periods marked *.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> నడుస్తున్న కాలాలు * గుర్తుతో.</translation>
    </message>
    <message>
        <source> Years of %1 days; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> సంవత్సరం %1 రోజులు; తేదీలు, సమయాలు జన్మ స్థానిక గడియారంలో.</translation>
    </message>
    <message>
        <source>Vimshottari dasha running</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>నడుస్తున్న వింశోత్తరి దశ</translation>
    </message>
    <message>
        <source>On %1, to the third level.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 న, మూడవ స్థాయి వరకు.</translation>
    </message>
    <message>
        <source>Positions in full</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పూర్తి స్థానాలు</translation>
    </message>
    <message>
        <source>Combust, war</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అస్తంగతం, యుద్ధం</translation>
    </message>
    <message>
        <source>Dignity by Brihat Parashara Hora Shastra ch. 3; combustion by the Surya Siddhanta's orbs; war: two of Mars to Saturn less than 1° apart, the planet to the north winning.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>బలం బృహత్ పరాశర హోరా శాస్త్రం అ. 3 ప్రకారం; అస్తంగతం సూర్య సిద్ధాంత పరిమితుల ప్రకారం; యుద్ధం: కుజుడి నుండి శని వరకు రెండు గ్రహాలు 1° కంటే తక్కువ దూరంలో, ఉత్తరాన ఉన్న గ్రహం గెలుస్తుంది.</translation>
    </message>
    <message>
        <source>Jaimini: chara karakas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జైమిని: చర కారకాలు</translation>
    </message>
    <message>
        <source>Arudha padas in every varga</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ప్రతి వర్గులో ఆరూఢ పదాలు</translation>
    </message>
    <message>
        <source>Yogas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>యోగాలు</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, జననం %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పేజీ %1 / %2</translation>
    </message>
    <message>
        <source>Velmora chart of %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 Velmora చక్రం</translation>
    </message>
    <message>
        <source>Signs in the sixteen divisional charts</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పదహారు విభాగ చక్రాలలో రాశులు</translation>
    </message>
    <message>
        <source>&amp;Divisional chart:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>విభాగ చక్రం(&amp;D):</translation>
    </message>
    <message>
        <source>Divisional chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>విభాగ చక్రం</translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వర్గోత్తమం</translation>
    </message>
    <message>
        <source>yes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>అవును</translation>
    </message>
    <message>
        <source>no</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కాదు</translation>
    </message>
    <message>
        <source>Strength tables</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>బల పట్టికలు</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సూర్యోదయం(&amp;S):</translation>
    </message>
    <message>
        <source>Upper limb with refraction (as almanacs print)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పై అంచు, వక్రీభవనంతో (పంచాంగాలు ముద్రించినట్లు)</translation>
    </message>
    <message>
        <source>Centre of the disc without refraction</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>బింబ కేంద్రం, వక్రీభవనం లేకుండా</translation>
    </message>
    <message>
        <source>Sunrise convention</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సూర్యోదయ సంప్రదాయం</translation>
    </message>
    <message>
        <source>Yogas - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>యోగాలు - %1</translation>
    </message>
    <message>
        <source>The yogas of a catalogue of %1 (Brihat Parashara Hora Shastra, Phaladeepika, Saravali and B. V. Raman's Three Hundred Important Combinations) present in the varga chosen, each with the planets forming it and its source; the doshas of the birth chart below.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 యోగాల జాబితాలో (బృహత్ పరాశర హోరా శాస్త్రం, ఫలదీపిక, సారావళి, బి. వి. రామన్ Three Hundred Important Combinations) ఎంచుకున్న వర్గులో ఉన్న యోగాలు, ప్రతిదీ దాన్ని ఏర్పరిచే గ్రహాలు, దాని మూలంతో; క్రింద జన్మ చక్రపు దోషాలు.</translation>
    </message>
    <message>
        <source>&amp;Varga:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>వర్గు(&amp;V):</translation>
    </message>
    <message>
        <source>Varga the yogas are read in</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>యోగాలు చదివే వర్గు</translation>
    </message>
    <message>
        <source>Yogas present</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఉన్న యోగాలు</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి రేఖాంశ డిగ్రీలో 0 నుండి 179 మధ్య విలువ నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి రేఖాంశ నిమిషంలో 0 నుండి 59 మధ్య విలువ నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి అక్షాంశ డిగ్రీలో 0 నుండి 89 మధ్య విలువ నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి అక్షాంశ నిమిషంలో 0 నుండి 59 మధ్య విలువ నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి సరైన తేదీ లేదా నెల నమోదు చేయండి!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి సరైన తేదీ లేదా నెల నమోదు చేయండి !</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి నగరం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి రాష్ట్రం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దయచేసి దేశం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>the name must end in .pdf, .svg or .png</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>పేరు .pdf, .svg లేదా .png తో ముగియాలి</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF గా ఎగుమతి(&amp;E)…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF గా ఎగుమతి</translation>
    </message>
    <message>
        <source>Export Chart as &amp;Image…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చక్రాన్ని చిత్రంగా ఎగుమతి(&amp;I)…</translation>
    </message>
    <message>
        <source>Export Chart as Image</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చక్రాన్ని చిత్రంగా ఎగుమతి</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG images (*.svg)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG చిత్రాలు (*.png);;SVG చిత్రాలు (*.svg)</translation>
    </message>
    <message>
        <source>Choose a name ending in .png or .svg.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>.png లేదా .svg తో ముగిసే పేరు ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>The size of the PNG image:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG చిత్ర పరిమాణం:</translation>
    </message>
    <message>
        <source>&amp;1× (%1 × %2)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>1× (%1 × %2)(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2× (%1 × %2, crisp)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>2× (%1 × %2, స్పష్టం)(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;3× (%1 × %2)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>3× (%1 × %2)(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Yogas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>యోగాలు(&amp;Y)…</translation>
    </message>
    <message>
        <source>Velmora calculates the arudha for the different houses in your natal chart. Type your birth details and it draws your Vedic birth chart, places the arudha padas AL to A12 among your planets and writes what each of them says about you.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora మీ జన్మ చక్రంలోని వివిధ భావాల ఆరూఢాన్ని లెక్కిస్తుంది. మీ జన్మ వివరాలు టైప్ చేస్తే, అది మీ వైదిక జన్మ చక్రాన్ని గీసి, AL నుండి A12 వరకు ఆరూఢ పదాలను మీ గ్రహాల మధ్య ఉంచి, ప్రతిదీ మీ గురించి ఏమి చెబుతుందో వ్రాస్తుంది.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ను సందర్శించడానికి ఇక్కడ నొక్కండి</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇంటి నుండి వ్యాపార అవకాశం. మీ స్వంత ఇంటర్నెట్ వ్యాపారం ప్రారంభించి ఆన్‌లైన్‌లో సంపాదించండి. మీ వెబ్‌సైట్ కోసం ఈ సాఫ్ట్‌వేర్‌ను పూర్తిగా మీ బ్రాండ్‌తో పొందండి.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>మరిన్ని వివరాలకు ఇక్కడ నొక్కండి.</translation>
    </message>
    <message>
        <source>Velmora is free software under the GNU Affero General Public License, version 3 or (at your option) any later version. Precise positions are computed with the Swiss Ephemeris (Astrodienst AG), which Debian distributes under the same licence. Birth places come from GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence; time zones from the IANA time-zone database.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora GNU Affero General Public License, సంస్కరణ 3 లేదా (మీ ఇష్టానుసారం) తర్వాతి ఏ సంస్కరణ క్రిందనైనా ఉచిత సాఫ్ట్‌వేర్. ఖచ్చిత స్థానాలు స్విస్ ఎఫెమెరిస్ (Astrodienst AG) తో లెక్కించబడతాయి, దాన్ని Debian అదే లైసెన్స్ క్రింద పంపిణీ చేస్తుంది. జన్మ స్థలాలు GeoNames (geonames.org) నుండి, Creative Commons Attribution 4.0 లైసెన్స్ క్రింద; సమయ మండలాలు IANA సమయ మండల డేటాబేస్ నుండి.</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>సరే</translation>
    </message>
    <message>
        <source>The second birth ("%1") cannot be matched: %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>రెండవ జన్మ ("%1") ను పొంతన చేయలేము: %2</translation>
    </message>
    <message>
        <source>its chart cannot be computed: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దాని చక్రాన్ని లెక్కించలేము: %1</translation>
    </message>
    <message>
        <source>Which of the two is the bride? Varna, Yoni and Gana score the pair by it.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇద్దరిలో వధువు ఎవరు? వర్ణం, యోని, గణం దీన్ని బట్టే జంటకు గుణాలు ఇస్తాయి.</translation>
    </message>
    <message>
        <source>%1 (this chart)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 (ఈ చక్రం)</translation>
    </message>
    <message>
        <source>&amp;Match With…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దీనితో పొంతన(&amp;M)…</translation>
    </message>
    <message>
        <source>Match With Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>జన్మ వివరాలతో పొంతన</translation>
    </message>
    <message>
        <source>Velmora birth files (*.velmora)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora జన్మ ఫైళ్లు (*.velmora)</translation>
    </message>
    <message>
        <source>Match With &amp;Recent</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇటీవలి దానితో పొంతన(&amp;R)</translation>
    </message>
    <message>
        <source>(no recent birth files)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>(ఇటీవలి జన్మ ఫైళ్లు లేవు)</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ప్రోగ్రామ్ ఇప్పటికే నడుస్తోంది</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చక్ర శైలి(&amp;S):</translation>
    </message>
    <message>
        <source>South-Indian (signs fixed)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దక్షిణ భారత (రాశులు స్థిరం)</translation>
    </message>
    <message>
        <source>North-Indian (houses fixed)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఉత్తర భారత (భావాలు స్థిరం)</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>చక్ర శైలి</translation>
    </message>
    <message>
        <source>Native &amp;digits</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>తెలుగు అంకెలు(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ముందుకు(&amp;F)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కరదీపిక</translation>
    </message>
    <message>
        <source>The manual is not installed: it belongs in %1.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>కరదీపిక స్థాపించబడలేదు: అది %1 లో ఉండాలి.</translation>
    </message>
    <message>
        <source>, true positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, నిజ స్థానాలు</translation>
    </message>
    <message>
        <source>, apparent positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, దృశ్య స్థానాలు</translation>
    </message>
    <message>
        <source>, %1 houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, %1 భావాలు</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఇది సాధారణ ఫైల్ కాదు</translation>
    </message>
    <message>
        <source>the SVG could not be drawn</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>SVG గీయలేకపోయాం</translation>
    </message>
    <message>
        <source>the PNG could not be encoded</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG ను ఎన్‌కోడ్ చేయలేకపోయాం</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF గీయలేకపోయాం</translation>
    </message>
    <message>
        <source>Opens %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ను తెరుస్తుంది</translation>
    </message>
    <message>
        <source>North-Indian chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ఉత్తర భారత చక్రం</translation>
    </message>
    <message>
        <source>South-Indian chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>దక్షిణ భారత చక్రం</translation>
    </message>
</context>
</TS>
