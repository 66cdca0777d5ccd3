#include "presentation/Glossary.h"

// The chart's terms in Hindi. Each table names the list it comes from; a
// note says where this table departs from that list and why. docs/glossary.md
// shows the same tables beside the English.

namespace velmora {

extern const Glossary kHindiGlossary;

const Glossary kHindiGlossary = {
    Language::Hindi,
    // The twelve signs, Aries … Pisces. Source: PyJHora, src/jhora/lang/list_values_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"मेष", "वृषभ", "मिथुन", "कर्क", "सिंह", "कन्या", "तुला", "वृश्चिक", "धनु", "मकर", "कुंभ", "मीन"},
    // The signs where a cell is narrow and in the position texts. Source: the Sanskrit term in the script,
    // written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"मेष", "वृष", "मिथु", "कर्क", "सिंह", "कन्या", "तुला", "वृश्चि", "धनु", "मकर", "कुंभ", "मीन"},
    // The ten points as the chart writes them, Sun … ascendant (Velmora's order: Sun, Moon, Mercury,
    // Venus, Mars, Jupiter, Saturn, Rahu, Ketu). Source: PyJHora, src/jhora/lang/list_values_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    // The cells write चंद्र (PyJHora's dasha list) where sentences write चंद्रमा (its planet list).
    // PyJHora's dasha list writes Rahu रागु: taken as राहु, as its planet list does.
    {"सूर्य", "चंद्र", "बुध", "शुक्र", "मंगल", "बृहस्पति", "शनि", "राहु", "केतु", "लग्न"},
    // The ten points as a sentence says them. Source: PyJHora, src/jhora/lang/list_values_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"सूर्य", "चंद्रमा", "बुध", "शुक्र", "मंगल", "बृहस्पति", "शनि", "राहु", "केतु", "लग्न"},
    // The ten points where a cell is narrow. Source: PyJHora, src/jhora/lang/list_values_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"सू", "चं", "बु", "शु", "मं", "बृ", "श", "रा", "के", "ल"},
    // The retrograde mark's letter (the first of vakri). Source: the Sanskrit term in the script, written
    // for Velmora (no published list checked; not yet reviewed by a native reader).
    "व",
    // The 27 nakshatras, Ashwini … Revati. Source: PyJHora, src/jhora/lang/list_values_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's list has म्रृगशीर्षा with a stray र्; taken here as मृगशिरा. अश्विनि, अश्लेषा, फल्गुनी,
    // पूर्वभाद्र and उत्तरभाद्र are written in their usual Hindi forms अश्विनी, आश्लेषा, फाल्गुनी, पूर्व
    // भाद्रपद, उत्तर भाद्रपद.
    {"अश्विनी", "भरणी", "कृत्तिका", "रोहिणी", "मृगशिरा", "आर्द्रा", "पुनर्वसु", "पुष्य", "आश्लेषा", "मघा", "पूर्व फाल्गुनी", "उत्तर फाल्गुनी", "हस्त", "चित्रा", "स्वाति", "विशाखा", "अनुराधा", "ज्येष्ठा", "मूल", "पूर्वाषाढ़ा", "उत्तराषाढ़ा", "श्रवण", "धनिष्ठा", "शतभिषा", "पूर्व भाद्रपद", "उत्तर भाद्रपद", "रेवती"},
    // The fifteen tithis of a fortnight, Pratipada … Purnima. Source: PyJHora,
    // src/jhora/lang/list_values_hi.txt (github.com/naturalstupid/PyJHora, commit e20943c).
    {"प्रतिपदा", "द्वितीया", "तृतीया", "चतुर्थी", "पञ्चमी", "षष्ठी", "सप्तमी", "अष्टमी", "नवमी", "दशमी", "एकादशी", "द्वादशी", "त्रयोदशी", "चतुर्दशी", "पूर्णिमा"},
    // The new Moon (Amavasya). Source: PyJHora, src/jhora/lang/list_values_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    "अमावस्या",
    // The bright and the dark fortnight. Source: PyJHora, src/jhora/lang/list_values_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"शुक्ल", "कृष्ण"},
    // The 27 yogas, Vishkambha … Vaidhriti. Source: the Sanskrit term in the script, written for Velmora
    // (no published list checked; not yet reviewed by a native reader).
    // PyJHora's Hindi yoga list is out of order (ब्रह्मा, सुभा, सुभा) and misspelt (विशंभ, सूला, वैधरथी);
    // the 27 are written here from their Sanskrit names.
    {"विष्कम्भ", "प्रीति", "आयुष्मान", "सौभाग्य", "शोभन", "अतिगण्ड", "सुकर्मा", "धृति", "शूल", "गण्ड", "वृद्धि", "ध्रुव", "व्याघात", "हर्षण", "वज्र", "सिद्धि", "व्यतीपात", "वरीयान", "परिघ", "शिव", "सिद्ध", "साध्य", "शुभ", "शुक्ल", "ब्रह्म", "इन्द्र", "वैधृति"},
    // The seven moving karanas, Bava … Vishti. Source: the Sanskrit term in the script, written for
    // Velmora (no published list checked; not yet reviewed by a native reader).
    {"बव", "बालव", "कौलव", "तैतिल", "गर", "वणिज", "विष्टि"},
    // The four fixed karanas: Kimstughna, Shakuni, Chatushpada, Naga. Source: the Sanskrit term in the
    // script, written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"किंस्तुघ्न", "शकुनि", "चतुष्पद", "नाग"},
    // The weekdays from Sunday. Source: PyJHora, src/jhora/lang/list_values_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"रविवार", "सोमवार", "मंगलवार", "बुधवार", "गुरुवार", "शुक्रवार", "शनिवार"},
    // The eight kootas, Varna … Nadi. Source: the Sanskrit term in the script, written for Velmora (no
    // published list checked; not yet reviewed by a native reader).
    {"वर्ण", "वश्य", "तारा", "योनि", "ग्रह मैत्री", "गण", "भकूट", "नाड़ी"},
    // The dasha systems: Vimshottari, Yogini, Ashtottari, Chara, Narayana. Source: the Sanskrit term in
    // the script, written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"विंशोत्तरी", "योगिनी", "अष्टोत्तरी", "चर", "नारायण"},
    // The sixteen vargas, D1 Rasi … D60 Shashtiamsa. Source: the Sanskrit term in the script, written for
    // Velmora (no published list checked; not yet reviewed by a native reader).
    {"राशि", "होरा", "द्रेष्काण", "चतुर्थांश", "सप्तांश", "नवांश", "दशांश", "द्वादशांश", "षोडशांश", "विंशांश", "चतुर्विंशांश", "सप्तविंशांश", "त्रिंशांश", "खवेदांश", "अक्षवेदांश", "षष्ट्यंश"},
    // The marriage match's reasons
    // The four varnas, Shudra, Vaishya, Kshatriya, Brahmin. Source: the Sanskrit term in the script, written for
    // Velmora (no published list has it; not yet reviewed by a native reader).
    {"शूद्र", "वैश्य", "क्षत्रिय", "ब्राह्मण"},
    // The five vashyas, Chatushpada, Manava, Jalachara, Vanachara, Keeta. Source: the Sanskrit term in the script,
    // written for Velmora (no published list has it; not yet reviewed by a native reader).
    {"चतुष्पद", "मानव", "जलचर", "वनचर", "कीट"},
    // The fourteen yonis, Horse … Lion (in the order of analysis/GunaMilan.h). Source: the Sanskrit term in the
    // script, written for Velmora (no published list has it; not yet reviewed by a native reader).
    {"अश्व", "गज", "मेष", "सर्प", "श्वान", "मार्जार", "मूषक", "गौ", "महिष", "व्याघ्र", "मृग", "वानर", "नकुल", "सिंह"},
    // The three ganas, Deva, Manushya, Rakshasa. Source: the Sanskrit term in the script, written for Velmora (no
    // published list has it; not yet reviewed by a native reader).
    {"देव", "मनुष्य", "राक्षस"},
    // The three nadis, Adi, Madhya, Antya. Source: the Sanskrit term in the script, written for Velmora (no
    // published list has it; not yet reviewed by a native reader).
    {"आदि", "मध्य", "अन्त्य"},
    // The nine taras, Janma … Parama Mitra. Sources: जन्म: PyJHora, src/jhora/lang/msg_strings_hi.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c); सम्पत्, विपत्, क्षेम, प्रत्यक्, साधक, वध, मित्र, परम
    // मित्र: the Sanskrit term in the script, written for Velmora (no published list has it; not yet reviewed by a
    // native reader). PyJHora's Hindi taras are transliterations with errors (संपथ, विपथ, मिथ्र, परमीथ्रा,
    // नैधाना); only जन्म is taken, the rest written from their Sanskrit names, the seventh as Vadha (वध) as the
    // English names it (PyJHora calls it Naidhana).
    {"जन्म", "सम्पत्", "विपत्", "क्षेम", "प्रत्यक्", "साधक", "वध", "मित्र", "परम मित्र"},
};

}  // namespace velmora
