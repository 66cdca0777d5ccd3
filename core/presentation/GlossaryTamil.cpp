#include "presentation/Glossary.h"

// The chart's terms in Tamil. Each table names the list it comes from; a
// note says where this table departs from that list and why. docs/glossary.md
// shows the same tables beside the English.

namespace velmora {

extern const Glossary kTamilGlossary;

const Glossary kTamilGlossary = {
    Language::Tamil,
    // The twelve signs, Aries … Pisces. Source: PyJHora, src/jhora/lang/list_values_ta.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    // Maitreya's Tamil catalogue writes Scorpio விருசிச்சிகம்; taken as விருச்சிகம், as PyJHora writes it.
    {"மேஷம்", "ரிஷபம்", "மிதுனம்", "கடகம்", "சிம்மம்", "கன்னி", "துலாம்", "விருச்சிகம்", "தனுசு", "மகரம்", "கும்பம்", "மீனம்"},
    // The signs where a cell is narrow and in the position texts. Source: PyJHora,
    // src/jhora/lang/list_values_ta.txt (github.com/naturalstupid/PyJHora, commit e20943c).
    {"மேஷ", "ரிஷ", "மிது", "கட", "சிம்", "கன்", "துலா", "விரு", "தனு", "மக", "கும்", "மீன"},
    // The ten points as the chart writes them, Sun … ascendant (Velmora's order: Sun, Moon, Mercury,
    // Venus, Mars, Jupiter, Saturn, Rahu, Ketu). Source: Maitreya 8, po/ta.po (github.com/martin-
    // pe/maitreya8, commit 549fec9).
    // Maitreya's names; Jupiter குரு (PyJHora) rather than the catalogue's வியாழன், the name of the
    // weekday.
    {"சூரியன்", "சந்திரன்", "புதன்", "சுக்கிரன்", "செவ்வாய்", "குரு", "சனி", "ராகு", "கேது", "லக்னம்"},
    // The ten points as a sentence says them. Source: Maitreya 8, po/ta.po (github.com/martin-
    // pe/maitreya8, commit 549fec9).
    {"சூரியன்", "சந்திரன்", "புதன்", "சுக்கிரன்", "செவ்வாய்", "குரு", "சனி", "ராகு", "கேது", "லக்னம்"},
    // The ten points where a cell is narrow. Source: PyJHora, src/jhora/lang/list_values_ta.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"சூரி", "சந்", "புத", "சுக்", "செவ்", "குரு", "சனி", "ராகு", "கேது", "லக்"},
    // The retrograde mark's letter (the first of vakri). Source: the Sanskrit term in the script, written
    // for Velmora (no published list checked; not yet reviewed by a native reader).
    "வ",
    // The 27 nakshatras, Ashwini … Revati. Source: Maitreya 8, po/ta.po (github.com/martin-pe/maitreya8,
    // commit 549fec9).
    // Maitreya's catalogue where PyJHora and it differ (கார்த்திகை, மிருகசீரிடம், அஸ்தம்); PyJHora's
    // மிருகசீஷம் drops the ர். Pushya, Purva Phalguni, Vishakha, Purva Ashadha, Dhanishta and Purva
    // Bhadrapada, which the catalogue leaves untranslated, from PyJHora (பூசம், பூரம், விசாகம், பூராடம்,
    // அவிட்டம், பூரட்டாதி).
    {"அஸ்வினி", "பரணி", "கார்த்திகை", "ரோகிணி", "மிருகசீரிடம்", "திருவாதிரை", "புனர்பூசம்", "பூசம்", "ஆயில்யம்", "மகம்", "பூரம்", "உத்திரம்", "அஸ்தம்", "சித்திரை", "சுவாதி", "விசாகம்", "அனுஷம்", "கேட்டை", "மூலம்", "பூராடம்", "உத்திராடம்", "திருவோணம்", "அவிட்டம்", "சதயம்", "பூரட்டாதி", "உத்திரட்டாதி", "ரேவதி"},
    // The fifteen tithis of a fortnight, Pratipada … Purnima. Source: PyJHora,
    // src/jhora/lang/list_values_ta.txt (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's துதியை and சதுர்தசி written துவிதியை and சதுர்த்தசி, as Tamil almanacs spell them.
    {"பிரதமை", "துவிதியை", "திருதியை", "சதுர்த்தி", "பஞ்சமி", "சஷ்டி", "சப்தமி", "அஷ்டமி", "நவமி", "தசமி", "ஏகாதசி", "துவாதசி", "திரயோதசி", "சதுர்த்தசி", "பௌர்ணமி"},
    // The new Moon (Amavasya). Source: PyJHora, src/jhora/lang/list_values_ta.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    "அமாவாசை",
    // The bright and the dark fortnight. Source: PyJHora, src/jhora/lang/list_values_ta.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"சுக்ல", "கிருஷ்ண"},
    // The 27 yogas, Vishkambha … Vaidhriti. Source: the Sanskrit term in the script, written for Velmora
    // (no published list checked; not yet reviewed by a native reader).
    {"விஷ்கம்பம்", "ப்ரீதி", "ஆயுஷ்மான்", "சௌபாக்கியம்", "சோபனம்", "அதிகண்டம்", "சுகர்மம்", "திருதி", "சூலம்", "கண்டம்", "விருத்தி", "துருவம்", "வியாகாதம்", "ஹர்ஷணம்", "வஜ்ரம்", "சித்தி", "வியதீபாதம்", "வரீயான்", "பரிகம்", "சிவம்", "சித்தம்", "சாத்தியம்", "சுபம்", "சுக்லம்", "பிரம்மம்", "ஐந்திரம்", "வைதிருதி"},
    // The seven moving karanas, Bava … Vishti. Source: the Sanskrit term in the script, written for
    // Velmora (no published list checked; not yet reviewed by a native reader).
    {"பவம்", "பாலவம்", "கௌலவம்", "தைதுலம்", "கரசை", "வணிசை", "பத்திரை"},
    // The four fixed karanas: Kimstughna, Shakuni, Chatushpada, Naga. Source: the Sanskrit term in the
    // script, written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"கிம்ஸ்துக்னம்", "சகுனி", "சதுஷ்பாதம்", "நாகவம்"},
    // The weekdays from Sunday. Source: PyJHora, src/jhora/lang/list_values_ta.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"ஞாயிற்றுக்கிழமை", "திங்கட்கிழமை", "செவ்வாய்க்கிழமை", "புதன்கிழமை", "வியாழக்கிழமை", "வெள்ளிக்கிழமை", "சனிக்கிழமை"},
    // The eight kootas, Varna … Nadi. Source: the Sanskrit term in the script, written for Velmora (no
    // published list checked; not yet reviewed by a native reader).
    {"வர்ணம்", "வசியம்", "தாரா", "யோனி", "கிரக மைத்ரம்", "கணம்", "பகூடம்", "நாடி"},
    // The dasha systems: Vimshottari, Yogini, Ashtottari, Chara, Narayana. Source: the Sanskrit term in
    // the script, written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"விம்சோத்தரி", "யோகினி", "அஷ்டோத்தரி", "சர", "நாராயண"},
    // The sixteen vargas, D1 Rasi … D60 Shashtiamsa. Source: the Sanskrit term in the script, written for
    // Velmora (no published list checked; not yet reviewed by a native reader).
    {"ராசி", "ஹோரை", "திரேக்காணம்", "சதுர்த்தாம்சம்", "சப்தாம்சம்", "நவாம்சம்", "தசாம்சம்", "துவாதசாம்சம்", "சோடசாம்சம்", "விம்சாம்சம்", "சதுர்விம்சாம்சம்", "சப்தவிம்சாம்சம்", "திரிம்சாம்சம்", "கவேதாம்சம்", "அக்ஷவேதாம்சம்", "சஷ்டியாம்சம்"},
    // The marriage match's reasons
    // The four varnas, Shudra, Vaishya, Kshatriya, Brahmin. Source: the Sanskrit term in the script, written for
    // Velmora (no published list has it; not yet reviewed by a native reader).
    {"சூத்திர", "வைசிய", "க்ஷத்திரிய", "பிராமண"},
    // The five vashyas, Chatushpada, Manava, Jalachara, Vanachara, Keeta. Source: the Sanskrit term in the script,
    // written for Velmora (no published list has it; not yet reviewed by a native reader).
    {"சதுஷ்பாத", "மானவ", "ஜலசர", "வனசர", "கீட"},
    // The fourteen yonis, Horse … Lion (in the order of analysis/GunaMilan.h). Source: the animal's everyday Tamil
    // name, as Tamil matching (porutham) says it, written for Velmora (no published list checked; not yet reviewed
    // by a native reader).
    {"குதிரை", "யானை", "ஆடு", "பாம்பு", "நாய்", "பூனை", "எலி", "பசு", "எருமை", "புலி", "மான்", "குரங்கு", "கீரி", "சிங்கம்"},
    // The three ganas, Deva, Manushya, Rakshasa. Source: the Sanskrit term in the script, written for Velmora (no
    // published list has it; not yet reviewed by a native reader).
    {"தேவ", "மனித", "ராட்சச"},
    // The three nadis, Adi, Madhya, Antya. Source: the Sanskrit term in the script, written for Velmora (no
    // published list has it; not yet reviewed by a native reader).
    {"ஆதி", "மத்திய", "அந்திய"},
    // The nine taras, Janma … Parama Mitra. Sources: ஜன்ம, சம்பதா, விபதா, க்ஷேமா, பிரத்யகா, சாதனா, மித்ர,
    // பரமித்ரா: PyJHora, src/jhora/lang/msg_strings_ta.txt (github.com/naturalstupid/PyJHora, commit e20943c); வத:
    // the Sanskrit term in the script, written for Velmora (no published list has it; not yet reviewed by a native
    // reader). PyJHora names the seventh tara Naidhana (நைதனா); Velmora's English calls it Vadha, written here வத.
    {"ஜன்ம", "சம்பதா", "விபதா", "க்ஷேமா", "பிரத்யகா", "சாதனா", "வத", "மித்ர", "பரமித்ரா"},
};

}  // namespace velmora
