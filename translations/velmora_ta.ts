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
</context>
</TS>
