<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Velmora</name>
    <message>
        <source>Ayanamsa and Houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अयनांश और भाव</translation>
    </message>
    <message>
        <source>Ashtakavarga - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अष्टकवर्ग - %1</translation>
    </message>
    <message>
        <source>Birth time - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म समय - %1</translation>
    </message>
    <message>
        <source>Bhavas (houses) - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाव - %1</translation>
    </message>
    <message>
        <source>Dashas - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दशाएँ - %1</translation>
    </message>
    <message>
        <source>Panchanga at birth - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म का पंचांग - %1</translation>
    </message>
    <message>
        <source>Transits - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>गोचर - %1</translation>
    </message>
    <message>
        <source>Nakshatras, dasha and Navamsa - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नक्षत्र, दशा और नवांश - %1</translation>
    </message>
    <message>
        <source>Jaimini - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जैमिनी - %1</translation>
    </message>
    <message>
        <source>Marriage match - %1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विवाह मिलान - %1 और %2</translation>
    </message>
    <message>
        <source>Positions - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह स्थिति - %1</translation>
    </message>
    <message>
        <source>Divisional charts (Shodasavarga) - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वर्ग कुंडलियाँ (षोडशवर्ग) - %1</translation>
    </message>
    <message>
        <source>Print Preview - Velmora</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>छपाई पूर्वावलोकन - Velmora</translation>
    </message>
    <message>
        <source>&amp;Vargas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वर्ग(&amp;V)…</translation>
    </message>
    <message>
        <source>P&amp;ositions…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह स्थिति(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Bhavas (Houses)…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाव(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Dashas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दशाएँ(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अष्टकवर्ग(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Jaimini…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जैमिनी(&amp;J)…</translation>
    </message>
    <message>
        <source>&amp;Panchanga…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पंचांग(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Transits…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>गोचर(&amp;T)…</translation>
    </message>
    <message>
        <source>Birth t&amp;ime…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म समय(&amp;I)…</translation>
    </message>
    <message>
        <source>Velmora Interpretation</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora फलादेश</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के नाम से पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पीछे(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म विवरण खोलें(&amp;O)…</translation>
    </message>
    <message>
        <source>Save Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म विवरण सहेजें…</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कुंडली(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Nakshatras, Dasha, Navamsa…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नक्षत्र, दशा, नवांश(&amp;N)…</translation>
    </message>
    <message>
        <source>No web browser could be opened for %1. The address is on the clipboard, to paste into a browser.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 के लिए कोई वेब ब्राउज़र नहीं खुल सका। पता क्लिपबोर्ड पर है, इसे ब्राउज़र में चिपकाएँ।</translation>
    </message>
    <message>
        <source> The manual on this computer is under Help &gt; Contents (F1).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> इस कंप्यूटर पर पुस्तिका सहायता &gt; विषय-सूची (F1) में है।</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विषय-सूची(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ऑनलाइन सहायता(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हमारी वेबसाइट देखें(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सॉफ़्टवेयर अद्यतन जाँचें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दान करें(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाषा(&amp;L)</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora पुस्तिका</translation>
    </message>
    <message>
        <source>&amp;Save Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म विवरण सहेजें(&amp;S)…</translation>
    </message>
    <message>
        <source>Analyze My Graha Arudha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>मेरे ग्रह आरूढ़ का विश्लेषण करें</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नाम(&amp;N)</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म तिथि(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म समय(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शहर(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राज्य(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देश(&amp;O)</translation>
    </message>
    <message>
        <source>Deg</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कला</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>समय क्षेत्र(&amp;Z)</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>&amp;Precise positions (Swiss Ephemeris)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सटीक स्थितियाँ (स्विस एफ़ेमेरिस)(&amp;P)</translation>
    </message>
    <message>
        <source>T&amp;rue node for Rahu and Ketu</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राहु और केतु के लिए स्पष्ट पात(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;yanamsa and Houses…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अयनांश और भाव(&amp;Y)…</translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अक्षांश और देशांतर के लिए क्लिक करें</translation>
    </message>
    <message>
        <source>Strengths - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बल - %1</translation>
    </message>
    <message>
        <source>&amp;Strengths…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बल(&amp;S)…</translation>
    </message>
</context>
</TS>
