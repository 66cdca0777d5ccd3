<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>Velmora</name>
    <message>
        <source>Ayanamsa and Houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அயனாம்சம் மற்றும் பாவங்கள்</translation>
    </message>
    <message>
        <source>Ashtakavarga - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அஷ்டகவர்க்கம் - %1</translation>
    </message>
    <message>
        <source>Birth time - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த நேரம் - %1</translation>
    </message>
    <message>
        <source>Bhavas (houses) - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாவங்கள் - %1</translation>
    </message>
    <message>
        <source>Dashas - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தசைகள் - %1</translation>
    </message>
    <message>
        <source>Panchanga at birth - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பின் பஞ்சாங்கம் - %1</translation>
    </message>
    <message>
        <source>Transits - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கோசாரம் - %1</translation>
    </message>
    <message>
        <source>Nakshatras, dasha and Navamsa - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நட்சத்திரங்கள், தசை மற்றும் நவாம்சம் - %1</translation>
    </message>
    <message>
        <source>Jaimini - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜைமினி - %1</translation>
    </message>
    <message>
        <source>Marriage match - %1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>திருமணப் பொருத்தம் - %1 மற்றும் %2</translation>
    </message>
    <message>
        <source>Positions - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிரக நிலைகள் - %1</translation>
    </message>
    <message>
        <source>Divisional charts (Shodasavarga) - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வர்க்க சக்கரங்கள் (சோடசவர்க்கம்) - %1</translation>
    </message>
    <message>
        <source>Print Preview - Velmora</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அச்சு முன்னோட்டம் - Velmora</translation>
    </message>
    <message>
        <source>&amp;Vargas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வர்க்கங்கள்(&amp;V)…</translation>
    </message>
    <message>
        <source>P&amp;ositions…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிரக நிலைகள்(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Bhavas (Houses)…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாவங்கள்(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Dashas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தசைகள்(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அஷ்டகவர்க்கம்(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Jaimini…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜைமினி(&amp;J)…</translation>
    </message>
    <message>
        <source>&amp;Panchanga…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பஞ்சாங்கம்(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Transits…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கோசாரம்(&amp;T)…</translation>
    </message>
    <message>
        <source>Birth t&amp;ime…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த நேரம்(&amp;I)…</translation>
    </message>
    <message>
        <source>Velmora Interpretation</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora பலன்கள்</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வீட்டிலிருந்து வணிக வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி இணையத்தில் சம்பாதியுங்கள். இந்த மென்பொருளை உங்கள் இணையதளத்தின் பெயரில் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பின்செல்(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வெளியேறு(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கோப்பு(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பு விவரங்களைத் திற(&amp;O)…</translation>
    </message>
    <message>
        <source>Save Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பு விவரங்களைச் சேமி…</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜாதகம்(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Nakshatras, Dasha, Navamsa…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நட்சத்திரங்கள், தசை, நவாம்சம்(&amp;N)…</translation>
    </message>
    <message>
        <source>No web browser could be opened for %1. The address is on the clipboard, to paste into a browser.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 க்கு எந்த இணைய உலாவியையும் திறக்க முடியவில்லை. முகவரி கிளிப்போர்டில் உள்ளது; அதை உலாவியில் ஒட்டவும்.</translation>
    </message>
    <message>
        <source> The manual on this computer is under Help &gt; Contents (F1).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> இந்தக் கணினியில் கையேடு உதவி &gt; உள்ளடக்கம் (F1) இல் உள்ளது.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>உதவி(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>உள்ளடக்கம்(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இணைய உதவி(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>எங்கள் இணையதளத்தைப் பார்வையிடுங்கள்(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மென்பொருளைப் பற்றி(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நன்கொடை(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மொழி(&amp;L)</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora கையேடு</translation>
    </message>
    <message>
        <source>&amp;Save Birth Data…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பு விவரங்களைச் சேமி(&amp;S)…</translation>
    </message>
    <message>
        <source>Analyze My Graha Arudha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>என் கிரக ஆரூடத்தை ஆராய்</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பெயர்(&amp;N)</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த தேதி(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த நேரம்(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நகரம்(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மாநிலம்(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நாடு(&amp;O)</translation>
    </message>
    <message>
        <source>Deg</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கலை</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நேர மண்டலம்(&amp;Z)</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>&amp;Precise positions (Swiss Ephemeris)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>துல்லியமான நிலைகள் (சுவிஸ் எஃபெமெரிஸ்)(&amp;P)</translation>
    </message>
    <message>
        <source>T&amp;rue node for Rahu and Ketu</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ராகு கேதுவுக்கு உண்மைக் கணு(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;yanamsa and Houses…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அயனாம்சம் மற்றும் பாவங்கள்(&amp;Y)…</translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அட்சரேகை, தீர்க்கரேகைக்குச் சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Strengths - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பலங்கள் - %1</translation>
    </message>
    <message>
        <source>&amp;Strengths…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பலங்கள்(&amp;S)…</translation>
    </message>
    <message>
        <source>The &amp;earlier one</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>முந்தையது(&amp;E)</translation>
    </message>
    <message>
        <source>The &amp;later one</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிந்தையது(&amp;L)</translation>
    </message>
    <message>
        <source>Velmora birth files (*.velmora);;All files (*)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora பிறப்புக் கோப்புகள் (*.velmora);;எல்லாக் கோப்புகளும் (*)</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it with this birth all the same?</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 படிக்க மட்டுமே. இருந்தாலும் இந்தப் பிறப்பால் மாற்றவா?</translation>
    </message>
    <message>
        <source>&amp;Replace It</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மாற்று(&amp;R)</translation>
    </message>
    <message>
        <source>Open Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பு விவரங்களைத் திற</translation>
    </message>
    <message>
        <source>Save Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பு விவரங்களைச் சேமி</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அயனாம்சம்(&amp;A):</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Custom &amp;date (0 h UT):</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தனிப்பயன் தேதி(&amp;D) (0 ம UT):</translation>
    </message>
    <message>
        <source>Custom ayanamsa: its date, 0 h Universal Time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தனிப்பயன் அயனாம்சம்: அதன் தேதி, 0 மணி உலக நேரம்</translation>
    </message>
    <message>
        <source>Custom &amp;value (mean):</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தனிப்பயன் மதிப்பு(&amp;V) (சராசரி):</translation>
    </message>
    <message>
        <source>Custom ayanamsa: its mean value on that date, in degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தனிப்பயன் அயனாம்சம்: அந்தத் தேதியில் அதன் சராசரி மதிப்பு, பாகைகளில்</translation>
    </message>
    <message>
        <source>Apparent (light time, aberration, nutation)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தோற்ற நிலை (ஒளி நேரம், பிறழ்ச்சி, அச்சாட்டம்)</translation>
    </message>
    <message>
        <source>True (geometric)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>உண்மை (வடிவியல்)</translation>
    </message>
    <message>
        <source>&amp;Positions:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நிலைகள்(&amp;P):</translation>
    </message>
    <message>
        <source>Positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நிலைகள்</translation>
    </message>
    <message>
        <source>Whole signs</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>முழு ராசி</translation>
    </message>
    <message>
        <source>Sripati</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஸ்ரீபதி</translation>
    </message>
    <message>
        <source>Placidus (KP)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிளாசிடஸ் (கேபி)</translation>
    </message>
    <message>
        <source>Equal, from the ascendant</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சம அளவு, லக்னத்திலிருந்து</translation>
    </message>
    <message>
        <source>&amp;Houses:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாவங்கள்(&amp;H):</translation>
    </message>
    <message>
        <source>Houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாவங்கள்</translation>
    </message>
    <message>
        <source>Velmora calculates the arudhas for the different houses in your natal chart. Enter the birth details below and press "Analyze My Graha Arudha" to see the chart, the twelve arudha padas from the Arudha Lagna to the Upapada, and what they say about the person.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora உங்கள் ஜாதகத்தின் பல்வேறு பாவங்களுக்கான ஆரூடங்களைக் கணிக்கிறது. கீழே பிறப்பு விவரங்களை உள்ளிட்டு, ஜாதகம், ஆரூட லக்னம் முதல் உபபதம் வரையிலான பன்னிரண்டு ஆரூட பதங்கள், அவை அந்த நபரைப் பற்றிச் சொல்வதைக் காண "என் கிரக ஆரூடத்தை ஆராய்" ஐ அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த மாதம்</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த நாள்</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த ஆண்டு</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த மணி</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த நிமிடம்</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த வினாடி</translation>
    </message>
    <message>
        <source>City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>Type the first letters of the birth place to choose it from the atlas, with its coordinates and time zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த இடத்தின் முதல் எழுத்துகளைத் தட்டச்சு செய்து, அதன் ஆயத்தொலைவுகள் மற்றும் நேர மண்டலத்துடன் அட்லசிலிருந்து தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>&amp;Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தீர்க்கரேகை(&amp;L)</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தீர்க்கரேகை பாகைகள்</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தீர்க்கரேகை கலைகள்</translation>
    </message>
    <message>
        <source>East</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அட்சரேகை(&amp;A)</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அட்சரேகை பாகைகள்</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அட்சரேகை கலைகள்</translation>
    </message>
    <message>
        <source>North</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Time zone of the chosen place</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தேர்ந்தெடுத்த இடத்தின் நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>துல்லிய நிலைகள் (சுவிஸ் எஃபெமெரிஸ்)</translation>
    </message>
    <message>
        <source>Compute the chart from the Swiss Ephemeris at the true birth instant instead of the classic engine</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பழைய இயந்திரத்திற்குப் பதிலாக உண்மையான பிறப்புக் கணத்தில் சுவிஸ் எஃபெமெரிஸிலிருந்து ஜாதகத்தைக் கணிக்கவும்</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris at the birth instant in Universal Time, Lahiri ayanamsa; the seconds of the time count.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>உலக நேரத்தில் பிறப்புக் கணத்தில் சுவிஸ் எஃபெமெரிஸிலிருந்து நிலைகள், லாஹிரி அயனாம்சம்; நேரத்தின் வினாடிகளும் கணக்கில் வரும்.</translation>
    </message>
    <message>
        <source>True node for Rahu and Ketu</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ராகு கேதுவுக்கு உண்மைக் கணு</translation>
    </message>
    <message>
        <source>With precise positions, the true lunar node instead of the mean node</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>துல்லிய நிலைகளுடன், சராசரிக் கணுவுக்குப் பதிலாக உண்மைச் சந்திரக் கணு</translation>
    </message>
    <message>
        <source>Click for Latitude &amp; Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அட்சரேகை &amp; தீர்க்கரேகைக்குச் சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online astrology forum. Click here to visit our site.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>எங்கள் இணைய ஜோதிட மன்றத்தில் மற்ற வாசகர்களுடன் உங்கள் ஜாதகத்தைப் பற்றிப் பேசுங்கள். எங்கள் தளத்திற்குச் செல்ல இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Click here for more details on co-branding.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>உங்கள் தளத்திற்காக இந்த மென்பொருளை இணை-முத்திரையிடுங்கள். இணை-முத்திரை பற்றி மேலும் அறிய இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>the coordinates as typed are %1 km from it</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தட்டச்சு செய்த ஆயத்தொலைவுகள் அதிலிருந்து %1 கிமீ தொலைவில் உள்ளன</translation>
    </message>
    <message>
        <source>the coordinates and time zone are those of %1, as typed (%2 km away)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஆயத்தொலைவுகளும் நேர மண்டலமும் தட்டச்சு செய்தபடி %1 உடையவை (%2 கிமீ தொலைவு)</translation>
    </message>
    <message>
        <source>The City "%1" is %2 in the atlas, but %3. Take %2 with its coordinates and time zone, or keep the typed values?</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நகரம் "%1" அட்லசில் %2, ஆனால் %3. %2 ஐ அதன் ஆயத்தொலைவுகள் மற்றும் நேர மண்டலத்துடன் எடுக்கவா, அல்லது தட்டச்சு செய்த மதிப்புகளை வைக்கவா?</translation>
    </message>
    <message>
        <source>&amp;Take the named place</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பெயரிட்ட இடத்தை எடு(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Keep the typed values</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தட்டச்சு மதிப்புகளை வை(&amp;K)</translation>
    </message>
    <message>
        <source>Place set aside: the coordinates and zone are as typed</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இடம் ஒதுக்கப்பட்டது: ஆயத்தொலைவுகளும் மண்டலமும் தட்டச்சு செய்தபடி</translation>
    </message>
    <message>
        <source> (coordinates edited)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> (ஆயத்தொலைவுகள் திருத்தப்பட்டன)</translation>
    </message>
    <message>
        <source>&amp;Recent Birth Files</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சமீபத்திய பிறப்புக் கோப்புகள்(&amp;R)</translation>
    </message>
    <message>
        <source>%1 is no longer there; it is taken off the list of recent birth files.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 இப்போது இல்லை; அது சமீபத்திய பிறப்புக் கோப்புகளின் பட்டியலிலிருந்து நீக்கப்பட்டது.</translation>
    </message>
    <message>
        <source>The classic positions are computed for the years %1 to %2: the year %3 is shown as %4 until precise positions are chosen again.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பழைய நிலைகள் %1 முதல் %2 வரையிலான ஆண்டுகளுக்குக் கணிக்கப்படுகின்றன: துல்லிய நிலைகள் மீண்டும் தேர்ந்தெடுக்கப்படும் வரை ஆண்டு %3, %4 ஆகக் காட்டப்படுகிறது.</translation>
    </message>
    <message>
        <source>Parashara's ashtakavarga: the bindus each planet receives in each sign from the seven planets and the ascendant, and their sum by sign, the sarvashtakavarga (SAV, 337 in all).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பராசரரின் அஷ்டகவர்க்கம்: ஏழு கிரகங்களிடமிருந்தும் லக்னத்திடமிருந்தும் ஒவ்வொரு கிரகமும் ஒவ்வொரு ராசியிலும் பெறும் பிந்துக்கள், ராசிவாரியாக அவற்றின் கூட்டுத்தொகை, சர்வாஷ்டகவர்க்கம் (SAV, மொத்தம் 337).</translation>
    </message>
    <message>
        <source>&amp;Reading:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வாசிப்பு(&amp;R):</translation>
    </message>
    <message>
        <source>Reading of the tables</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அட்டவணைகளின் வாசிப்பு</translation>
    </message>
    <message>
        <source>Re&amp;duced (trikona and ekadhipatya shodhana)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சோதிக்கப்பட்டது(&amp;D) (திரிகோண, ஏகாதிபத்திய சோதனை)</translation>
    </message>
    <message>
        <source>Reduced tables and pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சோதித்த அட்டவணைகளும் பிண்டங்களும்</translation>
    </message>
    <message>
        <source>Total</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Graha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Shodhya</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சோத்யம்</translation>
    </message>
    <message>
        <source>Bindus by planet and sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிரகம், ராசி வாரியாகப் பிந்துக்கள்</translation>
    </message>
    <message>
        <source>Bindus after trikona and ekadhipatya shodhana, and the pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>திரிகோண, ஏகாதிபத்திய சோதனைக்குப் பின் பிந்துக்களும் பிண்டங்களும்</translation>
    </message>
    <message>
        <source>Sarvashtakavarga: bindus in each sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சர்வாஷ்டகவர்க்கம்: ஒவ்வொரு ராசியிலும் பிந்துக்கள்</translation>
    </message>
    <message>
        <source>given</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்தது</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1%2 நிமி</translation>
    </message>
    <message>
        <source>&amp;Window either side of the given time:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த நேரத்தின் இருபுறமும் இடைவெளி(&amp;W):</translation>
    </message>
    <message>
        <source> min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> நிமி</translation>
    </message>
    <message>
        <source>Window either side of the given time, in minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த நேரத்தின் இருபுறமும் இடைவெளி, நிமிடங்களில்</translation>
    </message>
    <message>
        <source>Show &amp;every item, also those that keep their value</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒவ்வொரு உருப்படியையும் காட்டு(&amp;E), மதிப்பு மாறாதவற்றையும்</translation>
    </message>
    <message>
        <source>S&amp;hift:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நகர்வு(&amp;H):</translation>
    </message>
    <message>
        <source>Shift from the given time, in seconds</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த நேரத்திலிருந்து நகர்வு, வினாடிகளில்</translation>
    </message>
    <message>
        <source>−1 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>−1 நிமி</translation>
    </message>
    <message>
        <source>A minute earlier</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒரு நிமிடம் முன்பு</translation>
    </message>
    <message>
        <source>−1 s</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>−1 வி</translation>
    </message>
    <message>
        <source>A second earlier</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒரு வினாடி முன்பு</translation>
    </message>
    <message>
        <source>&amp;Given time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த நேரம்(&amp;G)</translation>
    </message>
    <message>
        <source>Back to the given time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த நேரத்திற்குத் திரும்பு</translation>
    </message>
    <message>
        <source>+1 s</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>+1 வி</translation>
    </message>
    <message>
        <source>A second later</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒரு வினாடி பின்பு</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>+1 நிமி</translation>
    </message>
    <message>
        <source>A minute later</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒரு நிமிடம் பின்பு</translation>
    </message>
    <message>
        <source>The chart of the shifted moment</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நகர்த்திய கணத்தின் ஜாதகம்</translation>
    </message>
    <message>
        <source>The chart at a shifted birth time</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நகர்த்திய பிறப்பு நேரத்தில் ஜாதகம்</translation>
    </message>
    <message>
        <source>%1 of %2 items keep their value throughout the window. %3.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%2 இல் %1 உருப்படிகள் இடைவெளி முழுவதும் தம் மதிப்பை வைத்திருக்கின்றன. %3.</translation>
    </message>
    <message>
        <source>The given time, %1: the chart as computed.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த நேரம், %1: கணித்தபடி ஜாதகம்.</translation>
    </message>
    <message>
        <source>%1 before the given time: the chart of %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த நேரத்திற்கு %1 முன்: %2 இன் ஜாதகம்.</translation>
    </message>
    <message>
        <source>%1 after the given time: the chart of %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த நேரத்திற்கு %1 பின்: %2 இன் ஜாதகம்.</translation>
    </message>
    <message>
        <source>The chart of %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 இன் ஜாதகம்</translation>
    </message>
    <message>
        <source>%1: %2 (given: %3)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1: %2 (கொடுத்தது: %3)</translation>
    </message>
    <message>
        <source>Every item is as in the given chart.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒவ்வொரு உருப்படியும் கொடுத்த ஜாதகத்தில் உள்ளபடியே.</translation>
    </message>
    <message>
        <source>What differs from the given chart (%1 items): %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுத்த ஜாதகத்திலிருந்து வேறுபடுவது (%1 உருப்படிகள்): %2.</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>துல்லிய நிலைகள்</translation>
    </message>
    <message>
        <source>House %1, %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாவம் %1, %2</translation>
    </message>
    <message>
        <source>%1, house %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, பாவம் %2</translation>
    </message>
    <message>
        <source>: empty</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>: காலி</translation>
    </message>
    <message>
        <source>A classic chart has no house cusps: choose precise positions on the form for the bhavas.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பழைய ஜாதகத்தில் பாவ சந்திகள் இல்லை: பாவங்களுக்குப் படிவத்தில் துல்லிய நிலைகளைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>, true positions.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, உண்மை நிலைகள்.</translation>
    </message>
    <message>
        <source>, apparent positions.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, தோற்ற நிலைகள்.</translation>
    </message>
    <message>
        <source>House</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>Begins at</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>Points</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>புள்ளிகள்</translation>
    </message>
    <message>
        <source>House cusps</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாவ சந்திகள்</translation>
    </message>
    <message>
        <source>Cusps</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சந்திகள்</translation>
    </message>
    <message>
        <source>Point</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>புள்ளி</translation>
    </message>
    <message>
        <source>Sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Each point's house</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒவ்வொரு புள்ளியின் பாவம்</translation>
    </message>
    <message>
        <source>Bhava chart (bhava chalit)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாவ ஜாதகம் (பாவ சலிதம்)</translation>
    </message>
    <message>
        <source>Dasha system</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தசை முறை</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தசை ஆண்டு</translation>
    </message>
    <message>
        <source>&amp;System:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>முறை(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஆண்டு(&amp;Y):</translation>
    </message>
    <message>
        <source>Dasha periods</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தசைக் காலங்கள்</translation>
    </message>
    <message>
        <source>Period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>காலம்</translation>
    </message>
    <message>
        <source>Level</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>From</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>முதல்</translation>
    </message>
    <message>
        <source>To</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வரை</translation>
    </message>
    <message>
        <source>  (running)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>  (நடப்பு)</translation>
    </message>
    <message>
        <source>%1 dasha, %2. Years of %3; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 தசை, %2. %3 ஆண்டுகள்; தேதிகளும் நேரங்களும் பிறப்பின் உள்ளூர் கடிகாரத்தில்.</translation>
    </message>
    <message>
        <source>%1 dasha from the Moon in %2: %3 period, %4 left at birth. Years of %5; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%2 இல் உள்ள சந்திரனிலிருந்து %1 தசை: %3 காலம், பிறப்பில் %4 மீதம். %5 ஆண்டுகள்; தேதிகளும் நேரங்களும் பிறப்பின் உள்ளூர் கடிகாரத்தில்.</translation>
    </message>
    <message>
        <source> Running on %1: %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> %1 அன்று நடப்பு: %2.</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த தேதி :</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த நேரம் :</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தீர்க்கரேகை :</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அட்சரேகை   :</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>City :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நகரம் :</translation>
    </message>
    <message>
        <source>State :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மாநிலம் :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நாடு :</translation>
    </message>
    <message>
        <source>not given</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கொடுக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>no bodies</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிரகம் இல்லை</translation>
    </message>
    <message>
        <source>no arudhas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஆரூடம் இல்லை</translation>
    </message>
    <message>
        <source>arudhas </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஆரூடங்கள் </translation>
    </message>
    <message>
        <source>Birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜனன ஜாதகம்</translation>
    </message>
    <message>
        <source>Time zone and positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நேர மண்டலமும் நிலைகளும்</translation>
    </message>
    <message>
        <source>The report is in English: its rules have no reviewed translation yet.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அறிக்கை ஆங்கிலத்தில் உள்ளது: அதன் விதிகளுக்குச் சரிபார்க்கப்பட்ட மொழிபெயர்ப்பு இன்னும் இல்லை.</translation>
    </message>
    <message>
        <source>Hora</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஹோரை</translation>
    </message>
    <message>
        <source>Visit the Velmora forum</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora மன்றத்திற்குச் செல்லவும்</translation>
    </message>
    <message>
        <source>Your details</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>உங்கள் விவரங்கள்</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வேத கிரக நிலை</translation>
    </message>
    <message>
        <source>Report</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அறிக்கை</translation>
    </message>
    <message>
        <source>Talk about your chart at our forum</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>எங்கள் மன்றத்தில் உங்கள் ஜாதகம் பற்றிப் பேசுங்கள்</translation>
    </message>
    <message>
        <source>&amp;Nakshatras, dasha, Navamsa...</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நட்சத்திரங்கள், தசை, நவாம்சம்(&amp;N)...</translation>
    </message>
    <message>
        <source>Panchanga</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Moments on the birth's clock (UTC%1), to the second: each is solved to half a second. The weekday runs from sunrise to sunrise: a birth before sunrise belongs to the day before; on a date the Sun does not rise, the day begins at local midnight.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கணங்கள் பிறப்பின் கடிகாரத்தில் (UTC%1), வினாடி வரை: ஒவ்வொன்றும் அரை வினாடிக்குள் தீர்க்கப்படுகிறது. வாரம் சூரிய உதயம் முதல் சூரிய உதயம் வரை: உதயத்திற்கு முன் பிறந்தது முந்தைய நாளைச் சேர்ந்தது; சூரியன் உதிக்காத தேதியில் நாள் உள்ளூர் நள்ளிரவில் தொடங்குகிறது.</translation>
    </message>
    <message>
        <source>&amp;Moment on the birth place's clock:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த இடக் கடிகாரத்தில் கணம்(&amp;M):</translation>
    </message>
    <message>
        <source>Moment on the birth place's clock</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த இடக் கடிகாரத்தில் கணம்</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>காட்டு(&amp;S)</translation>
    </message>
    <message>
        <source>Show the transits of this moment</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இந்தக் கணத்தின் கோசாரத்தைக் காட்டு</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இப்போது(&amp;N)</translation>
    </message>
    <message>
        <source>Show the transits now</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இப்போதைய கோசாரத்தைக் காட்டு</translation>
    </message>
    <message>
        <source>Transits over the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜனன ஜாதகத்தின் மேல் கோசாரம்</translation>
    </message>
    <message>
        <source>Transits (T-) over the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜனன ஜாதகத்தின் மேல் கோசாரம் (T-)</translation>
    </message>
    <message>
        <source>Transiting positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கோசார நிலைகள்</translation>
    </message>
    <message>
        <source>Positions and houses from the Moon and the ascendant</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சந்திரன், லக்னத்திலிருந்து நிலைகளும் பாவங்களும்</translation>
    </message>
    <message>
        <source>Sade sati</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஏழரைச் சனி</translation>
    </message>
    <message>
        <source>Next sign changes and stations</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அடுத்த ராசி மாற்றங்களும் நிலைப்புகளும்</translation>
    </message>
    <message>
        <source>Next sign changes and stations within a year</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஓர் ஆண்டுக்குள் அடுத்த ராசி மாற்றங்களும் நிலைப்புகளும்</translation>
    </message>
    <message>
        <source>Transits at %1 on the birth place's clock (UTC%2), in the birth chart's ephemeris, ayanamsa and node. The tables' moments are on the same clock, to the minute: each sign change, station and phase is found to within a minute.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறந்த இடக் கடிகாரத்தில் (UTC%2) %1 இல் கோசாரம், ஜனன ஜாதகத்தின் எஃபெமெரிஸ், அயனாம்சம், கணுவில். அட்டவணைகளின் கணங்கள் அதே கடிகாரத்தில், நிமிடம் வரை: ஒவ்வொரு ராசி மாற்றமும் நிலைப்பும் கலையும் ஒரு நிமிடத்திற்குள் கண்டறியப்படுகின்றன.</translation>
    </message>
    <message>
        <source>Moon in %1, pada %2 (lord %3).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சந்திரன் %1 இல், பாதம் %2 (அதிபதி %3).</translation>
    </message>
    <message>
        <source> Today (%1): %2 period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> இன்று (%1): %2 காலம்</translation>
    </message>
    <message>
        <source>, %1 sub-period</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, %1 உட்காலம்</translation>
    </message>
    <message>
        <source>De&amp;grees in the cells</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கட்டங்களில் பாகைகள்(&amp;G)</translation>
    </message>
    <message>
        <source>Degrees in the birth chart's cells</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜனன ஜாதகக் கட்டங்களில் பாகைகள்</translation>
    </message>
    <message>
        <source>Rashi (birth chart)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ராசி (ஜனன ஜாதகம்)</translation>
    </message>
    <message>
        <source>Navamsa (D9)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நவாம்சம் (D9)</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நட்சத்திரங்கள்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நவாம்சம்</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>விம்சோத்தரி தசை</translation>
    </message>
    <message>
        <source>%1 period, %2 left at birth. Years of %3 days; dates in the birth's local calendar.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 காலம், பிறப்பில் %2 மீதம். ஆண்டு %3 நாட்கள்; தேதிகள் பிறப்பின் உள்ளூர் நாட்காட்டியில்.</translation>
    </message>
    <message>
        <source>Chara karakas by the planets' degrees in their signs (Brihat Parashara Hora Shastra ch. 32), the karakamsa, the aspects of signs and argala (Jaimini Sutras 1.1).</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிரகங்கள் தம் ராசிகளில் உள்ள பாகைகளின்படி சர காரகங்கள் (பிருஹத் பராசர ஹோரா சாஸ்திரம் அ. 32), காரகாம்சம், ராசிகளின் பார்வைகள், அர்கலம் (ஜைமினி சூத்திரம் 1.1).</translation>
    </message>
    <message>
        <source>&amp;Karakas:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>காரகங்கள்(&amp;K):</translation>
    </message>
    <message>
        <source>Seven (Sun to Saturn)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஏழு (சூரியன் முதல் சனி)</translation>
    </message>
    <message>
        <source>Eight (with Rahu)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>எட்டு (ராகுவுடன்)</translation>
    </message>
    <message>
        <source>Chara karaka scheme</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சர காரக முறை</translation>
    </message>
    <message>
        <source>Karaka</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>காரகம்</translation>
    </message>
    <message>
        <source>Planet</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Degrees in its sign</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தன் ராசியில் பாகைகள்</translation>
    </message>
    <message>
        <source>Chara karakas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சர காரகங்கள்</translation>
    </message>
    <message>
        <source>Chara karakas in the birth chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜனன ஜாதகத்தில் சர காரகங்கள்</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பார்வைகள்</translation>
    </message>
    <message>
        <source>Rashi drishti: the signs each sign aspects</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ராசி திருஷ்டி: ஒவ்வொரு ராசியும் பார்க்கும் ராசிகள்</translation>
    </message>
    <message>
        <source>Rashi drishti</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ராசி திருஷ்டி</translation>
    </message>
    <message>
        <source>Argala</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அர்கலம்</translation>
    </message>
    <message>
        <source>Argala on each house</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒவ்வொரு பாவத்திலும் அர்கலம்</translation>
    </message>
    <message>
        <source>Argala and virodhargala</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அர்கலமும் விரோதார்கலமும்</translation>
    </message>
    <message>
        <source> (counted back)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> (பின்னோக்கி எண்ணியது)</translation>
    </message>
    <message>
        <source>%1: %2, Moon in %3, %4 pada %5</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1: %2, சந்திரன் %3 இல், %4 பாதம் %5</translation>
    </message>
    <message>
        <source>North-Indian ashtakoota guna milan: eight kootas compare the bride's and the groom's Moons (their signs and nakshatras) and give 36 points in all: Varna 1, Vashya 2, Tara 3, Yoni 4, Graha Maitri 5, Gana 6, Bhakoot 7 and Nadi 8. Each row says why it gives its points. 18 or more is commonly taken as acceptable. A Nadi or Bhakoot dosha (no points there) is noted below with the exceptions that cancel it, and so is each chart's Mars dosha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வட இந்திய அஷ்டகூட குண மிலன்: எட்டுக் கூடங்கள் மணமகள், மணமகனின் சந்திரன்களை (அவற்றின் ராசிகள், நட்சத்திரங்கள்) ஒப்பிட்டு மொத்தம் 36 புள்ளிகள் தருகின்றன: வர்ணம் 1, வசியம் 2, தாரா 3, யோனி 4, கிரக மைத்ரி 5, கணம் 6, பகூட் 7, நாடி 8. ஒவ்வொரு வரியும் தன் புள்ளிகளுக்கான காரணத்தைச் சொல்கிறது. 18 அல்லது அதற்கு மேல் பொதுவாக ஏற்கத்தக்கதாகக் கொள்ளப்படுகிறது. நாடி அல்லது பகூட் தோஷம் (அங்கே புள்ளி இல்லை) அதை நீக்கும் விதிவிலக்குகளுடன் கீழே குறிக்கப்பட்டுள்ளது, ஒவ்வொரு ஜாதகத்தின் செவ்வாய் தோஷமும் அவ்வாறே</translation>
    </message>
    <message>
        <source>Bride</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>Groom</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>Total: %1 of 36</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மொத்தம்: 36 இல் %1</translation>
    </message>
    <message>
        <source>Nadi dosha: none.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நாடி தோஷம்: இல்லை.</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பகூட் தோஷம்: இல்லை.</translation>
    </message>
    <message>
        <source>Mars dosha, bride: </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>செவ்வாய் தோஷம், மணமகள்: </translation>
    </message>
    <message>
        <source>Mars dosha, groom: </source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>செவ்வாய் தோஷம், மணமகன்: </translation>
    </message>
    <message>
        <source>Marriage match</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>திருமணப் பொருத்தம்</translation>
    </message>
    <message>
        <source>Koota</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கூடம்</translation>
    </message>
    <message>
        <source>Max</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அதிகபட்சம்</translation>
    </message>
    <message>
        <source>Why</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>காரணம்</translation>
    </message>
    <message>
        <source>Velmora marriage match of %1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, %2 இன் Velmora திருமணப் பொருத்தம்</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அச்சிடு(&amp;P)…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ஆக ஏற்றுமதி(&amp;D)…</translation>
    </message>
    <message>
        <source>Bride: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மணமகள்: %1</translation>
    </message>
    <message>
        <source>Groom: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மணமகன்: %1</translation>
    </message>
    <message>
        <source>Kootas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கூடங்கள்</translation>
    </message>
    <message>
        <source>Doshas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தோஷங்கள்</translation>
    </message>
    <message>
        <source>Export Match as PDF</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பொருத்தத்தை PDF ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF கோப்புகள் (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>"%1" ஐ எழுத முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>Classic positions (the program's own model): the engine computes no speeds.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பழைய நிலைகள் (நிரலின் சொந்த மாதிரி): இயந்திரம் வேகங்களைக் கணிப்பதில்லை.</translation>
    </message>
    <message>
        <source>. Speeds in degrees a day.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>. வேகங்கள் நாளொன்றுக்குப் பாகைகளில்.</translation>
    </message>
    <message>
        <source>The ten points in full</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பத்துப் புள்ளிகளும் முழுமையாக</translation>
    </message>
    <message>
        <source>Dignity: Brihat Parashara Hora Shastra ch. 3 (exaltation, moolatrikona, own sign, and the compound of the natural and temporary relations to the sign's lord). Combustion: the Surya Siddhanta's orbs (Moon 12°, Mars 17°, Mercury 14° or 12° retrograde, Jupiter 11°, Venus 10° or 8° retrograde, Saturn 15°). War: two of Mars to Saturn less than 1° apart, the planet to the north (greater latitude) winning.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வலிமை: பிருஹத் பராசர ஹோரா சாஸ்திரம் அ. 3 (உச்சம், மூலத்திரிகோணம், சொந்த ராசி, ராசி அதிபதியுடனான இயற்கை மற்றும் தற்காலிக உறவுகளின் கூட்டு). அஸ்தமனம்: சூரிய சித்தாந்த வரம்புகள் (சந்திரன் 12°, செவ்வாய் 17°, புதன் 14° அல்லது வக்கிரத்தில் 12°, குரு 11°, சுக்கிரன் 10° அல்லது வக்கிரத்தில் 8°, சனி 15°). கிரக யுத்தம்: செவ்வாய் முதல் சனி வரை இரண்டு கிரகங்கள் 1° க்கும் குறைவான இடைவெளியில், வடக்கில் (அதிக அட்சம்) உள்ள கிரகம் வெல்லும்.</translation>
    </message>
    <message>
        <source>Name :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பெயர் :</translation>
    </message>
    <message>
        <source>Place :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இடம் :</translation>
    </message>
    <message>
        <source>Time zone :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நேர மண்டலம் :</translation>
    </message>
    <message>
        <source>Positions :</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நிலைகள் :</translation>
    </message>
    <message>
        <source>Nakshatras and Navamsa</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நட்சத்திரங்களும் நவாம்சமும்</translation>
    </message>
    <message>
        <source> Running on %1: marked *.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> %1 அன்று நடப்பவை: * குறியிட்டவை.</translation>
    </message>
    <message>
        <source>Divisional charts (Shodasavarga)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிரிவு ஜாதகங்கள் (ஷோடசவர்க்கம்)</translation>
    </message>
    <message>
        <source>Vargottama (the same sign in D1 and D9): %1.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வர்க்கோத்தமம் (D1, D9 இல் ஒரே ராசி): %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Ashtakavarga (Parashara): bindus by sign, %1's reading</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அஷ்டகவர்க்கம் (பராசரர்): ராசிவாரியான பிந்துக்கள், %1 இன் வாசிப்பு</translation>
    </message>
    <message>
        <source>Ashtakavarga after trikona and ekadhipatya shodhana</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>திரிகோண, ஏகாதிபத்திய சோதனைக்குப் பின் அஷ்டகவர்க்கம்</translation>
    </message>
    <message>
        <source>Pindas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிண்டங்கள்</translation>
    </message>
    <message>
        <source>Rasi pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ராசி பிண்டம்</translation>
    </message>
    <message>
        <source>Graha pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கிரக பிண்டம்</translation>
    </message>
    <message>
        <source>Shodhya pinda</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சோத்ய பிண்டம்</translation>
    </message>
    <message>
        <source>Birth time: what changes within ±%1 minutes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பு நேரம்: ±%1 நிமிடங்களுக்குள் என்ன மாறுகிறது</translation>
    </message>
    <message>
        <source>%1 other items (the grahas' signs in the vargas, bhavas, cusps) change within the window; the Birth time page shows each.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 பிற உருப்படிகள் (வர்க்கங்களில் கிரகங்களின் ராசிகள், பாவங்கள், சந்திகள்) இடைவெளிக்குள் மாறுகின்றன; பிறப்பு நேரப் பக்கம் ஒவ்வொன்றையும் காட்டுகிறது.</translation>
    </message>
    <message>
        <source>Panchanga at birth</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பின் பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Moments on the birth's clock, to the second.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கணங்கள் பிறப்பின் கடிகாரத்தில், வினாடி வரை.</translation>
    </message>
    <message>
        <source>%1 dasha</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 தசை</translation>
    </message>
    <message>
        <source> Running periods marked *.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> நடப்புக் காலங்கள் * குறியிட்டவை.</translation>
    </message>
    <message>
        <source> Years of %1 days; dates and times in the birth's local clock.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation> ஆண்டு %1 நாட்கள்; தேதிகளும் நேரங்களும் பிறப்பின் உள்ளூர் கடிகாரத்தில்.</translation>
    </message>
    <message>
        <source>Vimshottari dasha running</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நடப்பு விம்சோத்தரி தசை</translation>
    </message>
    <message>
        <source>On %1, to the third level.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 அன்று, மூன்றாம் நிலை வரை.</translation>
    </message>
    <message>
        <source>Positions in full</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>முழு நிலைகள்</translation>
    </message>
    <message>
        <source>Combust, war</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அஸ்தமனம், யுத்தம்</translation>
    </message>
    <message>
        <source>Dignity by Brihat Parashara Hora Shastra ch. 3; combustion by the Surya Siddhanta's orbs; war: two of Mars to Saturn less than 1° apart, the planet to the north winning.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வலிமை பிருஹத் பராசர ஹோரா சாஸ்திரம் அ. 3 இன்படி; அஸ்தமனம் சூரிய சித்தாந்த வரம்புகளின்படி; யுத்தம்: செவ்வாய் முதல் சனி வரை இரண்டு கிரகங்கள் 1° க்கும் குறைவான இடைவெளியில், வடக்கில் உள்ள கிரகம் வெல்லும்.</translation>
    </message>
    <message>
        <source>Jaimini: chara karakas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜைமினி: சர காரகங்கள்</translation>
    </message>
    <message>
        <source>Arudha padas in every varga</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஒவ்வொரு வர்க்கத்திலும் ஆரூட பதங்கள்</translation>
    </message>
    <message>
        <source>Yogas</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>யோகங்கள்</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1, பிறப்பு %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பக்கம் %1 / %2</translation>
    </message>
    <message>
        <source>Velmora chart of %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 இன் Velmora ஜாதகம்</translation>
    </message>
    <message>
        <source>Signs in the sixteen divisional charts</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பதினாறு பிரிவு ஜாதகங்களில் ராசிகள்</translation>
    </message>
    <message>
        <source>&amp;Divisional chart:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிரிவு ஜாதகம்(&amp;D):</translation>
    </message>
    <message>
        <source>Divisional chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிரிவு ஜாதகம்</translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வர்க்கோத்தமம்</translation>
    </message>
    <message>
        <source>yes</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஆம்</translation>
    </message>
    <message>
        <source>no</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Strength tables</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வலிமை அட்டவணைகள்</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சூரிய உதயம்(&amp;S):</translation>
    </message>
    <message>
        <source>Upper limb with refraction (as almanacs print)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மேல் விளிம்பு, ஒளிவிலகலுடன் (பஞ்சாங்கங்கள் அச்சிடுவது போல்)</translation>
    </message>
    <message>
        <source>Centre of the disc without refraction</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வட்டத்தின் மையம், ஒளிவிலகல் இன்றி</translation>
    </message>
    <message>
        <source>Sunrise convention</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சூரிய உதய மரபு</translation>
    </message>
    <message>
        <source>Yogas - %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>யோகங்கள் - %1</translation>
    </message>
    <message>
        <source>The yogas of a catalogue of %1 (Brihat Parashara Hora Shastra, Phaladeepika, Saravali and B. V. Raman's Three Hundred Important Combinations) present in the varga chosen, each with the planets forming it and its source; the doshas of the birth chart below.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 யோகங்களின் பட்டியலில் (பிருஹத் பராசர ஹோரா சாஸ்திரம், பலதீபிகை, சாராவளி, பி. வி. ராமனின் Three Hundred Important Combinations) தேர்ந்தெடுத்த வர்க்கத்தில் உள்ள யோகங்கள், ஒவ்வொன்றும் அதை உருவாக்கும் கிரகங்கள், அதன் மூலத்துடன்; கீழே ஜனன ஜாதகத்தின் தோஷங்கள்.</translation>
    </message>
    <message>
        <source>&amp;Varga:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வர்க்கம்(&amp;V):</translation>
    </message>
    <message>
        <source>Varga the yogas are read in</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>யோகங்கள் படிக்கப்படும் வர்க்கம்</translation>
    </message>
    <message>
        <source>Yogas present</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>உள்ள யோகங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து தீர்க்கரேகையின் பாகையில் 0 முதல் 179 வரை மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து தீர்க்கரேகையின் கலையில் 0 முதல் 59 வரை மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து அட்சரேகையின் பாகையில் 0 முதல் 89 வரை மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து அட்சரேகையின் கலையில் 0 முதல் 59 வரை மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து சரியான தேதி அல்லது மாதத்தை உள்ளிடவும் !</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தயவுசெய்து நாட்டை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>the name must end in .pdf, .svg or .png</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பெயர் .pdf, .svg அல்லது .png இல் முடிய வேண்டும்</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ஆக ஏற்றுமதி(&amp;E)…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ஆக ஏற்றுமதி</translation>
    </message>
    <message>
        <source>Export Chart as &amp;Image…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜாதகத்தைப் படமாக ஏற்றுமதி(&amp;I)…</translation>
    </message>
    <message>
        <source>Export Chart as Image</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜாதகத்தைப் படமாக ஏற்றுமதி</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG images (*.svg)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG படங்கள் (*.png);;SVG படங்கள் (*.svg)</translation>
    </message>
    <message>
        <source>Choose a name ending in .png or .svg.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>.png அல்லது .svg இல் முடியும் பெயரைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>The size of the PNG image:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG படத்தின் அளவு:</translation>
    </message>
    <message>
        <source>&amp;1× (%1 × %2)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>1× (%1 × %2)(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2× (%1 × %2, crisp)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>2× (%1 × %2, தெளிவு)(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;3× (%1 × %2)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>3× (%1 × %2)(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Yogas…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>யோகங்கள்(&amp;Y)…</translation>
    </message>
    <message>
        <source>Velmora calculates the arudha for the different houses in your natal chart. Type your birth details and it draws your Vedic birth chart, places the arudha padas AL to A12 among your planets and writes what each of them says about you.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora உங்கள் ஜாதகத்தின் பல்வேறு பாவங்களுக்கான ஆரூடத்தைக் கணிக்கிறது. உங்கள் பிறப்பு விவரங்களைத் தட்டச்சு செய்தால், அது உங்கள் வேத ஜனன ஜாதகத்தை வரைந்து, AL முதல் A12 வரையிலான ஆரூட பதங்களை உங்கள் கிரகங்களிடையே வைத்து, ஒவ்வொன்றும் உங்களைப் பற்றி என்ன சொல்கிறது என்று எழுதுகிறது.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 க்குச் செல்ல இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வீட்டிலிருந்து வணிக வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி இணையத்தில் சம்பாதியுங்கள். உங்கள் இணையதளத்திற்காக இந்த மென்பொருளை முழுமையாக உங்கள் முத்திரையுடன் பெறுங்கள்.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Velmora is free software under the GNU Affero General Public License, version 3 or (at your option) any later version. Precise positions are computed with the Swiss Ephemeris (Astrodienst AG), which Debian distributes under the same licence. Birth places come from GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence; time zones from the IANA time-zone database.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora என்பது GNU Affero General Public License, பதிப்பு 3 அல்லது (உங்கள் விருப்பப்படி) அதற்குப் பிந்தைய பதிப்பின் கீழ் கட்டற்ற மென்பொருள். துல்லிய நிலைகள் சுவிஸ் எஃபெமெரிஸ் (Astrodienst AG) கொண்டு கணிக்கப்படுகின்றன, அதை Debian அதே உரிமத்தின் கீழ் வழங்குகிறது. பிறந்த இடங்கள் GeoNames (geonames.org) இலிருந்து, Creative Commons Attribution 4.0 உரிமத்தின் கீழ்; நேர மண்டலங்கள் IANA நேர மண்டலத் தரவுத்தளத்திலிருந்து.</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சரி</translation>
    </message>
    <message>
        <source>The second birth ("%1") cannot be matched: %2</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இரண்டாவது பிறப்பை ("%1") பொருத்த முடியாது: %2</translation>
    </message>
    <message>
        <source>its chart cannot be computed: %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>அதன் ஜாதகத்தைக் கணிக்க முடியாது: %1</translation>
    </message>
    <message>
        <source>Which of the two is the bride? Varna, Yoni and Gana score the pair by it.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இருவரில் மணமகள் யார்? வர்ணம், யோனி, கணம் இதைக் கொண்டே ஜோடிக்குப் புள்ளி தருகின்றன.</translation>
    </message>
    <message>
        <source>%1 (this chart)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 (இந்த ஜாதகம்)</translation>
    </message>
    <message>
        <source>&amp;Match With…</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இதனுடன் பொருத்து(&amp;M)…</translation>
    </message>
    <message>
        <source>Match With Birth Data</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>பிறப்பு விவரங்களுடன் பொருத்து</translation>
    </message>
    <message>
        <source>Velmora birth files (*.velmora)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>Velmora பிறப்புக் கோப்புகள் (*.velmora)</translation>
    </message>
    <message>
        <source>Match With &amp;Recent</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>சமீபத்தியதுடன் பொருத்து(&amp;R)</translation>
    </message>
    <message>
        <source>(no recent birth files)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>(சமீபத்திய பிறப்புக் கோப்புகள் இல்லை)</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>நிரல் ஏற்கனவே இயங்குகிறது</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜாதக வடிவம்(&amp;S):</translation>
    </message>
    <message>
        <source>South-Indian (signs fixed)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தென்னிந்திய (ராசிகள் நிலையானவை)</translation>
    </message>
    <message>
        <source>North-Indian (houses fixed)</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வட இந்திய (பாவங்கள் நிலையானவை)</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>ஜாதக வடிவம்</translation>
    </message>
    <message>
        <source>Native &amp;digits</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தமிழ் எண்கள்(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>முன்செல்(&amp;F)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கையேடு</translation>
    </message>
    <message>
        <source>The manual is not installed: it belongs in %1.</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>கையேடு நிறுவப்படவில்லை: அது %1 இல் இருக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>, true positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, உண்மை நிலைகள்</translation>
    </message>
    <message>
        <source>, apparent positions</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, தோற்ற நிலைகள்</translation>
    </message>
    <message>
        <source>, %1 houses</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>, %1 பாவங்கள்</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>இது சாதாரணக் கோப்பு அல்ல</translation>
    </message>
    <message>
        <source>the SVG could not be drawn</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>SVG ஐ வரைய முடியவில்லை</translation>
    </message>
    <message>
        <source>the PNG could not be encoded</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PNG ஐக் குறியாக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>PDF ஐ வரைய முடியவில்லை</translation>
    </message>
    <message>
        <source>Opens %1</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>%1 ஐத் திறக்கும்</translation>
    </message>
    <message>
        <source>North-Indian chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>வட இந்திய ஜாதகம்</translation>
    </message>
    <message>
        <source>South-Indian chart</source>
        <translatorcomment>unreviewed</translatorcomment>
        <translation>தென்னிந்திய ஜாதகம்</translation>
    </message>
</context>
</TS>
