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
    <message>
        <source>The &amp;earlier one</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पहला वाला(&amp;E)</translation>
    </message>
    <message>
        <source>The &amp;later one</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बाद वाला(&amp;L)</translation>
    </message>
    <message>
        <source>Velmora birth files (*.velmora);;All files (*)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora जन्म फ़ाइलें (*.velmora);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it with this birth all the same?</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 केवल पढ़ने के लिए है। फिर भी इसे इस जन्म से बदलें?</translation>
    </message>
    <message>
        <source>&amp;Replace It</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बदलें(&amp;R)</translation>
    </message>
    <message>
        <source>Open Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म विवरण खोलें</translation>
    </message>
    <message>
        <source>Save Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म विवरण सहेजें</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अयनांश(&amp;A):</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Custom &amp;date (0 h UT):</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अपनी तिथि(&amp;D) (0 घं UT):</translation>
    </message>
    <message>
        <source>Custom ayanamsa: its date, 0 h Universal Time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अपना अयनांश: उसकी तिथि, 0 घंटे सार्वभौमिक समय</translation>
    </message>
    <message>
        <source>Custom &amp;value (mean):</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अपना मान(&amp;V) (माध्य):</translation>
    </message>
    <message>
        <source>Custom ayanamsa: its mean value on that date, in degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अपना अयनांश: उस तिथि पर उसका माध्य मान, अंशों में</translation>
    </message>
    <message>
        <source>Apparent (light time, aberration, nutation)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दृश्य (प्रकाश-समय, विपथन, अक्षविचलन)</translation>
    </message>
    <message>
        <source>True (geometric)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वास्तविक (ज्यामितीय)</translation>
    </message>
    <message>
        <source>&amp;Positions:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह स्थिति(&amp;P):</translation>
    </message>
    <message>
        <source>Positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Whole signs</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पूर्ण राशि</translation>
    </message>
    <message>
        <source>Sripati</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>श्रीपति</translation>
    </message>
    <message>
        <source>Placidus (KP)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>प्लासिडस (केपी)</translation>
    </message>
    <message>
        <source>Equal, from the ascendant</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>समान, लग्न से</translation>
    </message>
    <message>
        <source>&amp;Houses:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाव(&amp;H):</translation>
    </message>
    <message>
        <source>Houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Velmora calculates the arudhas for the different houses in your natal chart. Enter the birth details below and press "Analyze My Graha Arudha" to see the chart, the twelve arudha padas from the Arudha Lagna to the Upapada, and what they say about the person.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora आपकी जन्म कुंडली के विभिन्न भावों के आरूढ़ की गणना करता है। नीचे जन्म विवरण भरें और कुंडली, आरूढ़ लग्न से उपपद तक के बारह आरूढ़ पद और वे व्यक्ति के बारे में क्या कहते हैं, देखने के लिए "मेरे ग्रह आरूढ़ का विश्लेषण करें" दबाएँ।</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म का घंटा</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म का सेकंड</translation>
    </message>
    <message>
        <source>City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शहर</translation>
    </message>
    <message>
        <source>Type the first letters of the birth place to choose it from the atlas, with its coordinates and time zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म स्थान के पहले अक्षर लिखें और उसे एटलस से उसके निर्देशांक और समय क्षेत्र सहित चुनें</translation>
    </message>
    <message>
        <source>State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देश</translation>
    </message>
    <message>
        <source>&amp;Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देशांतर(&amp;L)</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देशांतर अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देशांतर कला</translation>
    </message>
    <message>
        <source>East</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अक्षांश(&amp;A)</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अक्षांश अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अक्षांश कला</translation>
    </message>
    <message>
        <source>North</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Time zone of the chosen place</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>चुने गए स्थान का समय क्षेत्र</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सटीक स्थिति (स्विस एफ़ेमेरिस)</translation>
    </message>
    <message>
        <source>Compute the chart from the Swiss Ephemeris at the true birth instant instead of the classic engine</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शास्त्रीय इंजन के बजाय वास्तविक जन्म क्षण पर स्विस एफ़ेमेरिस से कुंडली बनाएँ</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris at the birth instant in Universal Time, Lahiri ayanamsa; the seconds of the time count.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सार्वभौमिक समय में जन्म क्षण पर स्विस एफ़ेमेरिस से स्थिति, लाहिड़ी अयनांश; समय के सेकंड भी गिने जाते हैं।</translation>
    </message>
    <message>
        <source>True node for Rahu and Ketu</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राहु और केतु के लिए वास्तविक पात</translation>
    </message>
    <message>
        <source>With precise positions, the true lunar node instead of the mean node</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सटीक स्थिति के साथ, माध्य पात के बजाय वास्तविक चंद्र पात</translation>
    </message>
    <message>
        <source>Click for Latitude &amp; Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अक्षांश &amp; देशांतर के लिए क्लिक करें</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online astrology forum. Click here to visit our site.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हमारे ऑनलाइन ज्योतिष मंच पर दूसरे पाठकों से अपनी कुंडली पर बात करें। हमारी साइट पर जाने के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Click here for more details on co-branding.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अपनी साइट के लिए इस सॉफ़्टवेयर को सह-ब्रांड करें। सह-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>the coordinates as typed are %1 km from it</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>लिखे गए निर्देशांक उससे %1 किमी दूर हैं</translation>
    </message>
    <message>
        <source>the coordinates and time zone are those of %1, as typed (%2 km away)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>निर्देशांक और समय क्षेत्र %1 के हैं, जैसे लिखे गए (%2 किमी दूर)</translation>
    </message>
    <message>
        <source>The City "%1" is %2 in the atlas, but %3. Take %2 with its coordinates and time zone, or keep the typed values?</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शहर "%1" एटलस में %2 है, पर %3। %2 को उसके निर्देशांक और समय क्षेत्र सहित लें, या लिखे गए मान रखें?</translation>
    </message>
    <message>
        <source>&amp;Take the named place</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नामित स्थान लें(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Keep the typed values</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>लिखे मान रखें(&amp;K)</translation>
    </message>
    <message>
        <source>Place set aside: the coordinates and zone are as typed</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>स्थान अलग रखा गया: निर्देशांक और क्षेत्र लिखे अनुसार हैं</translation>
    </message>
    <message>
        <source> (coordinates edited)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> (निर्देशांक बदले गए)</translation>
    </message>
    <message>
        <source>&amp;Recent Birth Files</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हाल की जन्म फ़ाइलें(&amp;R)</translation>
    </message>
    <message>
        <source>%1 is no longer there; it is taken off the list of recent birth files.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 अब मौजूद नहीं है; उसे हाल की जन्म फ़ाइलों की सूची से हटा दिया गया है।</translation>
    </message>
    <message>
        <source>The classic positions are computed for the years %1 to %2: the year %3 is shown as %4 until precise positions are chosen again.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शास्त्रीय स्थिति वर्ष %1 से %2 तक के लिए गणना की जाती है: जब तक सटीक स्थिति फिर से न चुनी जाए, वर्ष %3 को %4 दिखाया गया है।</translation>
    </message>
    <message>
        <source>Parashara's ashtakavarga: the bindus each planet receives in each sign from the seven planets and the ascendant, and their sum by sign, the sarvashtakavarga (SAV, 337 in all).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पराशर का अष्टकवर्ग: सात ग्रहों और लग्न से हर ग्रह को हर राशि में मिलने वाले बिंदु, और राशिवार उनका योग, सर्वाष्टकवर्ग (SAV, कुल 337)।</translation>
    </message>
    <message>
        <source>&amp;Reading:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पाठ(&amp;R):</translation>
    </message>
    <message>
        <source>Reading of the tables</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>तालिकाओं का पाठ</translation>
    </message>
    <message>
        <source>Re&amp;duced (trikona and ekadhipatya shodhana)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शोधित(&amp;D) (त्रिकोण और एकाधिपत्य शोधन)</translation>
    </message>
    <message>
        <source>Reduced tables and pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शोधित तालिकाएँ और पिंड</translation>
    </message>
    <message>
        <source>Total</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>योग</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Graha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Shodhya</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शोध्य</translation>
    </message>
    <message>
        <source>Bindus by planet and sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह और राशि के अनुसार बिंदु</translation>
    </message>
    <message>
        <source>Bindus after trikona and ekadhipatya shodhana, and the pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>त्रिकोण और एकाधिपत्य शोधन के बाद बिंदु, और पिंड</translation>
    </message>
    <message>
        <source>Sarvashtakavarga: bindus in each sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सर्वाष्टकवर्ग: हर राशि में बिंदु</translation>
    </message>
    <message>
        <source>given</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिया</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1%2 मि</translation>
    </message>
    <message>
        <source>&amp;Window either side of the given time:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिए गए समय के दोनों ओर अवधि(&amp;W):</translation>
    </message>
    <message>
        <source> min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> मि</translation>
    </message>
    <message>
        <source>Window either side of the given time, in minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिए गए समय के दोनों ओर अवधि, मिनटों में</translation>
    </message>
    <message>
        <source>Show &amp;every item, also those that keep their value</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हर मद दिखाएँ(&amp;E), वे भी जिनका मान नहीं बदलता</translation>
    </message>
    <message>
        <source>S&amp;hift:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>खिसकाव(&amp;H):</translation>
    </message>
    <message>
        <source>Shift from the given time, in seconds</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिए गए समय से खिसकाव, सेकंडों में</translation>
    </message>
    <message>
        <source>−1 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>−1 मि</translation>
    </message>
    <message>
        <source>A minute earlier</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>एक मिनट पहले</translation>
    </message>
    <message>
        <source>−1 s</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>−1 से</translation>
    </message>
    <message>
        <source>A second earlier</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>एक सेकंड पहले</translation>
    </message>
    <message>
        <source>&amp;Given time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिया गया समय(&amp;G)</translation>
    </message>
    <message>
        <source>Back to the given time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिए गए समय पर वापस</translation>
    </message>
    <message>
        <source>+1 s</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>+1 से</translation>
    </message>
    <message>
        <source>A second later</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>एक सेकंड बाद</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>+1 मि</translation>
    </message>
    <message>
        <source>A minute later</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>एक मिनट बाद</translation>
    </message>
    <message>
        <source>The chart of the shifted moment</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>खिसकाए गए क्षण की कुंडली</translation>
    </message>
    <message>
        <source>The chart at a shifted birth time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>खिसकाए गए जन्म समय पर कुंडली</translation>
    </message>
    <message>
        <source>%1 of %2 items keep their value throughout the window. %3.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%2 में से %1 मदों का मान पूरी अवधि में नहीं बदलता। %3।</translation>
    </message>
    <message>
        <source>The given time, %1: the chart as computed.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिया गया समय, %1: गणना की गई कुंडली।</translation>
    </message>
    <message>
        <source>%1 before the given time: the chart of %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिए गए समय से %1 पहले: %2 की कुंडली।</translation>
    </message>
    <message>
        <source>%1 after the given time: the chart of %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिए गए समय से %1 बाद: %2 की कुंडली।</translation>
    </message>
    <message>
        <source>The chart of %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 की कुंडली</translation>
    </message>
    <message>
        <source>%1: %2 (given: %3)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1: %2 (दिया गया: %3)</translation>
    </message>
    <message>
        <source>Every item is as in the given chart.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हर मद दी गई कुंडली जैसा ही है।</translation>
    </message>
    <message>
        <source>What differs from the given chart (%1 items): %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दी गई कुंडली से क्या भिन्न है (%1 मद): %2।</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सटीक स्थिति</translation>
    </message>
    <message>
        <source>House %1, %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाव %1, %2</translation>
    </message>
    <message>
        <source>%1, house %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, भाव %2</translation>
    </message>
    <message>
        <source>: empty</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>: खाली</translation>
    </message>
    <message>
        <source>A classic chart has no house cusps: choose precise positions on the form for the bhavas.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शास्त्रीय कुंडली में भाव संधियाँ नहीं होतीं: भावों के लिए फ़ॉर्म पर सटीक स्थिति चुनें।</translation>
    </message>
    <message>
        <source>, true positions.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, वास्तविक स्थिति।</translation>
    </message>
    <message>
        <source>, apparent positions.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, दृश्य स्थिति।</translation>
    </message>
    <message>
        <source>House</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Begins at</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>Points</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बिंदु</translation>
    </message>
    <message>
        <source>House cusps</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाव संधियाँ</translation>
    </message>
    <message>
        <source>Cusps</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>संधियाँ</translation>
    </message>
    <message>
        <source>Point</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बिंदु</translation>
    </message>
    <message>
        <source>Sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Each point's house</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हर बिंदु का भाव</translation>
    </message>
    <message>
        <source>Bhava chart (bhava chalit)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भाव कुंडली (भाव चलित)</translation>
    </message>
    <message>
        <source>Dasha system</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दशा पद्धति</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दशा वर्ष</translation>
    </message>
    <message>
        <source>&amp;System:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पद्धति(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वर्ष(&amp;Y):</translation>
    </message>
    <message>
        <source>Dasha periods</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दशा अवधियाँ</translation>
    </message>
    <message>
        <source>Period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>Level</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>स्तर</translation>
    </message>
    <message>
        <source>From</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>से</translation>
    </message>
    <message>
        <source>To</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>तक</translation>
    </message>
    <message>
        <source>  (running)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>  (चालू)</translation>
    </message>
    <message>
        <source>%1 dasha, %2. Years of %3; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 दशा, %2। वर्ष %3 का; तिथियाँ और समय जन्म स्थान की स्थानीय घड़ी में।</translation>
    </message>
    <message>
        <source>%1 dasha from the Moon in %2: %3 period, %4 left at birth. Years of %5; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%2 में चंद्रमा से %1 दशा: %3 अवधि, जन्म पर %4 शेष। वर्ष %5 का; तिथियाँ और समय जन्म स्थान की स्थानीय घड़ी में।</translation>
    </message>
    <message>
        <source> Running on %1: %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> %1 को चालू: %2।</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म तिथि :</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म समय :</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देशांतर :</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अक्षांश   :</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>City :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शहर :</translation>
    </message>
    <message>
        <source>State :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राज्य :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देश :</translation>
    </message>
    <message>
        <source>not given</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नहीं दिया</translation>
    </message>
    <message>
        <source>no bodies</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कोई ग्रह नहीं</translation>
    </message>
    <message>
        <source>no arudhas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कोई आरूढ़ नहीं</translation>
    </message>
    <message>
        <source>arudhas </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>आरूढ़ </translation>
    </message>
    <message>
        <source>Birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म कुंडली</translation>
    </message>
    <message>
        <source>Time zone and positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>समय क्षेत्र और स्थिति</translation>
    </message>
    <message>
        <source>The report is in English: its rules have no reviewed translation yet.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विवरण अंग्रेज़ी में है: इसके नियमों का अभी कोई जाँचा हुआ अनुवाद नहीं है।</translation>
    </message>
    <message>
        <source>Hora</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Visit the Velmora forum</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora मंच पर जाएँ</translation>
    </message>
    <message>
        <source>Your details</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>आपका विवरण</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वैदिक ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Report</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>Talk about your chart at our forum</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हमारे मंच पर अपनी कुंडली पर बात करें</translation>
    </message>
    <message>
        <source>&amp;Nakshatras, dasha, Navamsa...</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नक्षत्र, दशा, नवांश(&amp;N)...</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>Moments on the birth's clock (UTC%1), to the second: each is solved to half a second. The weekday runs from sunrise to sunrise: a birth before sunrise belongs to the day before; on a date the Sun does not rise, the day begins at local midnight.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>क्षण जन्म की घड़ी (UTC%1) पर, सेकंड तक: हर एक आधे सेकंड तक हल किया गया है। वार सूर्योदय से सूर्योदय तक चलता है: सूर्योदय से पहले का जन्म पिछले दिन का होता है; जिस तिथि को सूर्य उदय नहीं होता, उस दिन का आरंभ स्थानीय मध्यरात्रि से होता है।</translation>
    </message>
    <message>
        <source>&amp;Moment on the birth place's clock:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म स्थान की घड़ी पर क्षण(&amp;M):</translation>
    </message>
    <message>
        <source>Moment on the birth place's clock</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म स्थान की घड़ी पर क्षण</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दिखाएँ(&amp;S)</translation>
    </message>
    <message>
        <source>Show the transits of this moment</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>इस क्षण का गोचर दिखाएँ</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अभी(&amp;N)</translation>
    </message>
    <message>
        <source>Show the transits now</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अभी का गोचर दिखाएँ</translation>
    </message>
    <message>
        <source>Transits over the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म कुंडली पर गोचर</translation>
    </message>
    <message>
        <source>Transits (T-) over the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म कुंडली पर गोचर (T-)</translation>
    </message>
    <message>
        <source>Transiting positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>गोचर स्थिति</translation>
    </message>
    <message>
        <source>Positions and houses from the Moon and the ascendant</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>चंद्र और लग्न से स्थिति और भाव</translation>
    </message>
    <message>
        <source>Sade sati</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>साढ़े साती</translation>
    </message>
    <message>
        <source>Next sign changes and stations</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अगले राशि परिवर्तन और स्तंभन</translation>
    </message>
    <message>
        <source>Next sign changes and stations within a year</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>एक वर्ष के भीतर अगले राशि परिवर्तन और स्तंभन</translation>
    </message>
    <message>
        <source>Transits at %1 on the birth place's clock (UTC%2), in the birth chart's ephemeris, ayanamsa and node. The tables' moments are on the same clock, to the minute: each sign change, station and phase is found to within a minute.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म स्थान की घड़ी (UTC%2) पर %1 का गोचर, जन्म कुंडली के एफ़ेमेरिस, अयनांश और पात में। तालिकाओं के क्षण उसी घड़ी पर, मिनट तक हैं: हर राशि परिवर्तन, स्तंभन और कला एक मिनट के भीतर खोजी गई है।</translation>
    </message>
    <message>
        <source>Moon in %1, pada %2 (lord %3).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>चंद्रमा %1 में, पाद %2 (स्वामी %3)।</translation>
    </message>
    <message>
        <source> Today (%1): %2 period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> आज (%1): %2 अवधि</translation>
    </message>
    <message>
        <source>, %1 sub-period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, %1 उप-अवधि</translation>
    </message>
    <message>
        <source>De&amp;grees in the cells</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>खानों में अंश(&amp;G)</translation>
    </message>
    <message>
        <source>Degrees in the birth chart's cells</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म कुंडली के खानों में अंश</translation>
    </message>
    <message>
        <source>Rashi (birth chart)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राशि (जन्म कुंडली)</translation>
    </message>
    <message>
        <source>Navamsa (D9)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नवांश (D9)</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पाद</translation>
    </message>
    <message>
        <source>Lord</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नवांश</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>%1 period, %2 left at birth. Years of %3 days; dates in the birth's local calendar.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 अवधि, जन्म पर %2 शेष। वर्ष %3 दिनों का; तिथियाँ जन्म स्थान के स्थानीय पंचांग में।</translation>
    </message>
    <message>
        <source>Chara karakas by the planets' degrees in their signs (Brihat Parashara Hora Shastra ch. 32), the karakamsa, the aspects of signs and argala (Jaimini Sutras 1.1).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रहों के अपनी राशियों में अंशों से चर कारक (बृहत् पराशर होरा शास्त्र अ. 32), कारकांश, राशियों की दृष्टि और अर्गला (जैमिनी सूत्र 1.1)।</translation>
    </message>
    <message>
        <source>&amp;Karakas:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कारक(&amp;K):</translation>
    </message>
    <message>
        <source>Seven (Sun to Saturn)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सात (सूर्य से शनि)</translation>
    </message>
    <message>
        <source>Eight (with Rahu)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>आठ (राहु सहित)</translation>
    </message>
    <message>
        <source>Chara karaka scheme</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>चर कारक पद्धति</translation>
    </message>
    <message>
        <source>Karaka</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कारक</translation>
    </message>
    <message>
        <source>Planet</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Degrees in its sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अपनी राशि में अंश</translation>
    </message>
    <message>
        <source>Chara karakas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>चर कारक</translation>
    </message>
    <message>
        <source>Chara karakas in the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म कुंडली में चर कारक</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दृष्टि</translation>
    </message>
    <message>
        <source>Rashi drishti: the signs each sign aspects</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राशि दृष्टि: हर राशि किन राशियों को देखती है</translation>
    </message>
    <message>
        <source>Rashi drishti</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राशि दृष्टि</translation>
    </message>
    <message>
        <source>Argala</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अर्गला</translation>
    </message>
    <message>
        <source>Argala on each house</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हर भाव पर अर्गला</translation>
    </message>
    <message>
        <source>Argala and virodhargala</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अर्गला और विरोधार्गला</translation>
    </message>
    <message>
        <source> (counted back)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> (उल्टा गिना)</translation>
    </message>
    <message>
        <source>%1: %2, Moon in %3, %4 pada %5</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1: %2, चंद्रमा %3 में, %4 पाद %5</translation>
    </message>
    <message>
        <source>North-Indian ashtakoota guna milan: eight kootas compare the bride's and the groom's Moons (their signs and nakshatras) and give 36 points in all: Varna 1, Vashya 2, Tara 3, Yoni 4, Graha Maitri 5, Gana 6, Bhakoot 7 and Nadi 8. Each row says why it gives its points. 18 or more is commonly taken as acceptable. A Nadi or Bhakoot dosha (no points there) is noted below with the exceptions that cancel it, and so is each chart's Mars dosha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>उत्तर भारतीय अष्टकूट गुण मिलान: आठ कूट वधू और वर के चंद्रमा (उनकी राशियाँ और नक्षत्र) की तुलना करते हैं और कुल 36 गुण देते हैं: वर्ण 1, वश्य 2, तारा 3, योनि 4, ग्रह मैत्री 5, गण 6, भकूट 7 और नाड़ी 8। हर पंक्ति बताती है कि वह अपने गुण क्यों देती है। 18 या अधिक को सामान्यतः स्वीकार्य माना जाता है। नाड़ी या भकूट दोष (वहाँ कोई गुण नहीं) नीचे उसे रद्द करने वाले अपवादों सहित लिखा है, और हर कुंडली का मंगल दोष भी</translation>
    </message>
    <message>
        <source>Bride</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वधू</translation>
    </message>
    <message>
        <source>Groom</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वर</translation>
    </message>
    <message>
        <source>Total: %1 of 36</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>योग: 36 में से %1</translation>
    </message>
    <message>
        <source>Nadi dosha: none.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नाड़ी दोष: नहीं।</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>भकूट दोष: नहीं।</translation>
    </message>
    <message>
        <source>Mars dosha, bride: </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>मंगल दोष, वधू: </translation>
    </message>
    <message>
        <source>Mars dosha, groom: </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>मंगल दोष, वर: </translation>
    </message>
    <message>
        <source>Marriage match</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विवाह मिलान</translation>
    </message>
    <message>
        <source>Koota</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Max</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अधिकतम</translation>
    </message>
    <message>
        <source>Why</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कारण</translation>
    </message>
    <message>
        <source>Velmora marriage match of %1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 और %2 का Velmora विवाह मिलान</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>छापें(&amp;P)…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF के रूप में निर्यात(&amp;D)…</translation>
    </message>
    <message>
        <source>Bride: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वधू: %1</translation>
    </message>
    <message>
        <source>Groom: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वर: %1</translation>
    </message>
    <message>
        <source>Kootas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Doshas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दोष</translation>
    </message>
    <message>
        <source>Export Match as PDF</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>मिलान को PDF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>"%1" नहीं लिखी जा सकी: %2।</translation>
    </message>
    <message>
        <source>Classic positions (the program's own model): the engine computes no speeds.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शास्त्रीय स्थिति (प्रोग्राम का अपना मॉडल): इंजन गति की गणना नहीं करता।</translation>
    </message>
    <message>
        <source>. Speeds in degrees a day.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>। गति अंश प्रति दिन में।</translation>
    </message>
    <message>
        <source>The ten points in full</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दसों बिंदु पूरे</translation>
    </message>
    <message>
        <source>Dignity: Brihat Parashara Hora Shastra ch. 3 (exaltation, moolatrikona, own sign, and the compound of the natural and temporary relations to the sign's lord). Combustion: the Surya Siddhanta's orbs (Moon 12°, Mars 17°, Mercury 14° or 12° retrograde, Jupiter 11°, Venus 10° or 8° retrograde, Saturn 15°). War: two of Mars to Saturn less than 1° apart, the planet to the north (greater latitude) winning.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बल: बृहत् पराशर होरा शास्त्र अ. 3 (उच्च, मूलत्रिकोण, स्वराशि, और राशि स्वामी से नैसर्गिक व तात्कालिक संबंधों का योग)। अस्त: सूर्य सिद्धांत की सीमाएँ (चंद्र 12°, मंगल 17°, बुध 14° या वक्री 12°, बृहस्पति 11°, शुक्र 10° या वक्री 8°, शनि 15°)। युद्ध: मंगल से शनि तक के दो ग्रह 1° से कम दूरी पर, उत्तर वाला (अधिक शर) ग्रह विजयी।</translation>
    </message>
    <message>
        <source>Name :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नाम :</translation>
    </message>
    <message>
        <source>Place :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>स्थान :</translation>
    </message>
    <message>
        <source>Time zone :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>समय क्षेत्र :</translation>
    </message>
    <message>
        <source>Positions :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह स्थिति :</translation>
    </message>
    <message>
        <source>Nakshatras and Navamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नक्षत्र और नवांश</translation>
    </message>
    <message>
        <source> Running on %1: marked *.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> %1 को चालू: * से चिह्नित।</translation>
    </message>
    <message>
        <source>Divisional charts (Shodasavarga)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विभागीय कुंडलियाँ (षोडशवर्ग)</translation>
    </message>
    <message>
        <source>Vargottama (the same sign in D1 and D9): %1.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वर्गोत्तम (D1 और D9 में एक ही राशि): %1।</translation>
    </message>
    <message>
        <source>none</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 और %2</translation>
    </message>
    <message>
        <source>Ashtakavarga (Parashara): bindus by sign, %1's reading</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अष्टकवर्ग (पराशर): राशिवार बिंदु, %1 का पाठ</translation>
    </message>
    <message>
        <source>Ashtakavarga after trikona and ekadhipatya shodhana</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>त्रिकोण और एकाधिपत्य शोधन के बाद अष्टकवर्ग</translation>
    </message>
    <message>
        <source>Pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पिंड</translation>
    </message>
    <message>
        <source>Rasi pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>राशि पिंड</translation>
    </message>
    <message>
        <source>Graha pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ग्रह पिंड</translation>
    </message>
    <message>
        <source>Shodhya pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>शोध्य पिंड</translation>
    </message>
    <message>
        <source>Birth time: what changes within ±%1 minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म समय: ±%1 मिनट में क्या बदलता है</translation>
    </message>
    <message>
        <source>%1 other items (the grahas' signs in the vargas, bhavas, cusps) change within the window; the Birth time page shows each.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 अन्य मद (वर्गों में ग्रहों की राशियाँ, भाव, संधियाँ) अवधि के भीतर बदलते हैं; जन्म समय पृष्ठ हर एक दिखाता है।</translation>
    </message>
    <message>
        <source>Panchanga at birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म का पंचांग</translation>
    </message>
    <message>
        <source>Moments on the birth's clock, to the second.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>क्षण जन्म की घड़ी पर, सेकंड तक।</translation>
    </message>
    <message>
        <source>%1 dasha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 दशा</translation>
    </message>
    <message>
        <source> Running periods marked *.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> चालू अवधियाँ * से चिह्नित।</translation>
    </message>
    <message>
        <source> Years of %1 days; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> वर्ष %1 दिनों का; तिथियाँ और समय जन्म स्थान की स्थानीय घड़ी में।</translation>
    </message>
    <message>
        <source>Vimshottari dasha running</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>चालू विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>On %1, to the third level.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 को, तीसरे स्तर तक।</translation>
    </message>
    <message>
        <source>Positions in full</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पूरी ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Combust, war</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अस्त, युद्ध</translation>
    </message>
    <message>
        <source>Dignity by Brihat Parashara Hora Shastra ch. 3; combustion by the Surya Siddhanta's orbs; war: two of Mars to Saturn less than 1° apart, the planet to the north winning.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बल बृहत् पराशर होरा शास्त्र अ. 3 से; अस्त सूर्य सिद्धांत की सीमाओं से; युद्ध: मंगल से शनि तक के दो ग्रह 1° से कम दूरी पर, उत्तर वाला ग्रह विजयी।</translation>
    </message>
    <message>
        <source>Jaimini: chara karakas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जैमिनी: चर कारक</translation>
    </message>
    <message>
        <source>Arudha padas in every varga</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हर वर्ग में आरूढ़ पद</translation>
    </message>
    <message>
        <source>Yogas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>योग</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, जन्म %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>Velmora chart of %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 की Velmora कुंडली</translation>
    </message>
    <message>
        <source>Signs in the sixteen divisional charts</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सोलह विभागीय कुंडलियों में राशियाँ</translation>
    </message>
    <message>
        <source>&amp;Divisional chart:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विभागीय कुंडली(&amp;D):</translation>
    </message>
    <message>
        <source>Divisional chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>विभागीय कुंडली</translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वर्गोत्तम</translation>
    </message>
    <message>
        <source>yes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>no</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Strength tables</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बल तालिकाएँ</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सूर्योदय(&amp;S):</translation>
    </message>
    <message>
        <source>Upper limb with refraction (as almanacs print)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ऊपरी किनारा, अपवर्तन सहित (जैसे पंचांग छापते हैं)</translation>
    </message>
    <message>
        <source>Centre of the disc without refraction</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>बिंब का केंद्र, अपवर्तन रहित</translation>
    </message>
    <message>
        <source>Sunrise convention</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>सूर्योदय की परिपाटी</translation>
    </message>
    <message>
        <source>Yogas - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>योग - %1</translation>
    </message>
    <message>
        <source>The yogas of a catalogue of %1 (Brihat Parashara Hora Shastra, Phaladeepika, Saravali and B. V. Raman's Three Hundred Important Combinations) present in the varga chosen, each with the planets forming it and its source; the doshas of the birth chart below.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 योगों की सूची (बृहत् पराशर होरा शास्त्र, फलदीपिका, सारावली और बी. वी. रमन की Three Hundred Important Combinations) में से चुने गए वर्ग में उपस्थित योग, हर एक उसे बनाने वाले ग्रहों और उसके स्रोत सहित; नीचे जन्म कुंडली के दोष।</translation>
    </message>
    <message>
        <source>&amp;Varga:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वर्ग(&amp;V):</translation>
    </message>
    <message>
        <source>Varga the yogas are read in</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>वह वर्ग जिसमें योग पढ़े जाते हैं</translation>
    </message>
    <message>
        <source>Yogas present</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>उपस्थित योग</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया नाम भरें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया देशांतर के अंश में 0 से 179 के बीच मान भरें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया देशांतर की कला में 0 से 59 के बीच मान भरें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया अक्षांश के अंश में 0 से 89 के बीच मान भरें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया अक्षांश की कला में 0 से 59 के बीच मान भरें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया सही तिथि या महीना भरें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया सही तिथि या महीना भरें !</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया शहर भरें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया राज्य भरें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कृपया देश भरें</translation>
    </message>
    <message>
        <source>the name must end in .pdf, .svg or .png</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>नाम .pdf, .svg या .png पर समाप्त होना चाहिए</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF के रूप में निर्यात(&amp;E)…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF के रूप में निर्यात</translation>
    </message>
    <message>
        <source>Export Chart as &amp;Image…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कुंडली को चित्र के रूप में निर्यात(&amp;I)…</translation>
    </message>
    <message>
        <source>Export Chart as Image</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कुंडली को चित्र के रूप में निर्यात</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG images (*.svg)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG चित्र (*.png);;SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>Choose a name ending in .png or .svg.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>.png या .svg पर समाप्त होने वाला नाम चुनें।</translation>
    </message>
    <message>
        <source>The size of the PNG image:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG चित्र का आकार:</translation>
    </message>
    <message>
        <source>&amp;1× (%1 × %2)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>1× (%1 × %2)(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2× (%1 × %2, crisp)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>2× (%1 × %2, स्पष्ट)(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;3× (%1 × %2)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>3× (%1 × %2)(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Yogas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>योग(&amp;Y)…</translation>
    </message>
    <message>
        <source>Velmora calculates the arudha for the different houses in your natal chart. Type your birth details and it draws your Vedic birth chart, places the arudha padas AL to A12 among your planets and writes what each of them says about you.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora आपकी जन्म कुंडली के विभिन्न भावों के आरूढ़ की गणना करता है। अपना जन्म विवरण लिखें और यह आपकी वैदिक जन्म कुंडली बनाता है, आरूढ़ पद AL से A12 तक आपके ग्रहों के बीच रखता है और लिखता है कि हर एक आपके बारे में क्या कहता है।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। अपनी वेबसाइट के लिए यह सॉफ़्टवेयर पूरी तरह अपने ब्रांड में पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Velmora is free software under the GNU Affero General Public License, version 3 or (at your option) any later version. Precise positions are computed with the Swiss Ephemeris (Astrodienst AG), which Debian distributes under the same licence. Birth places come from GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence; time zones from the IANA time-zone database.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora GNU Affero General Public License, संस्करण 3 या (आपकी इच्छा से) किसी बाद के संस्करण के अंतर्गत मुक्त सॉफ़्टवेयर है। सटीक स्थिति स्विस एफ़ेमेरिस (Astrodienst AG) से गणना की जाती है, जिसे Debian इसी लाइसेंस के अंतर्गत वितरित करता है। जन्म स्थान GeoNames (geonames.org) से, Creative Commons Attribution 4.0 लाइसेंस के अंतर्गत; समय क्षेत्र IANA समय-क्षेत्र डेटाबेस से।</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>The second birth ("%1") cannot be matched: %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दूसरे जन्म ("%1") का मिलान नहीं हो सकता: %2</translation>
    </message>
    <message>
        <source>its chart cannot be computed: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>उसकी कुंडली की गणना नहीं हो सकती: %1</translation>
    </message>
    <message>
        <source>Which of the two is the bride? Varna, Yoni and Gana score the pair by it.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दोनों में से वधू कौन है? वर्ण, योनि और गण जोड़ी को इसी से अंक देते हैं।</translation>
    </message>
    <message>
        <source>%1 (this chart)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 (यह कुंडली)</translation>
    </message>
    <message>
        <source>&amp;Match With…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>इससे मिलान(&amp;M)…</translation>
    </message>
    <message>
        <source>Match With Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>जन्म विवरण से मिलान</translation>
    </message>
    <message>
        <source>Velmora birth files (*.velmora)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora जन्म फ़ाइलें (*.velmora)</translation>
    </message>
    <message>
        <source>Match With &amp;Recent</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>हाल की फ़ाइल से मिलान(&amp;R)</translation>
    </message>
    <message>
        <source>(no recent birth files)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>(कोई हाल की जन्म फ़ाइल नहीं)</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कुंडली शैली(&amp;S):</translation>
    </message>
    <message>
        <source>South-Indian (signs fixed)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दक्षिण भारतीय (राशियाँ स्थिर)</translation>
    </message>
    <message>
        <source>North-Indian (houses fixed)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>उत्तर भारतीय (भाव स्थिर)</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>कुंडली शैली</translation>
    </message>
    <message>
        <source>Native &amp;digits</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>देवनागरी अंक(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>आगे(&amp;F)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पुस्तिका</translation>
    </message>
    <message>
        <source>The manual is not installed: it belongs in %1.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>पुस्तिका स्थापित नहीं है: उसे %1 में होना चाहिए।</translation>
    </message>
    <message>
        <source>, true positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, वास्तविक स्थिति</translation>
    </message>
    <message>
        <source>, apparent positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, दृश्य स्थिति</translation>
    </message>
    <message>
        <source>, %1 houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, %1 भाव</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>यह सामान्य फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>the SVG could not be drawn</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>SVG नहीं बनाया जा सका</translation>
    </message>
    <message>
        <source>the PNG could not be encoded</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG एन्कोड नहीं किया जा सका</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF नहीं बनाया जा सका</translation>
    </message>
    <message>
        <source>Opens %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 खोलता है</translation>
    </message>
    <message>
        <source>North-Indian chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>उत्तर भारतीय कुंडली</translation>
    </message>
    <message>
        <source>South-Indian chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>दक्षिण भारतीय कुंडली</translation>
    </message>
</context>
</TS>
