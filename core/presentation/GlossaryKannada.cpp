#include "presentation/Glossary.h"

// The chart's terms in Kannada. Each table names the list it comes from; a
// note says where this table departs from that list and why. docs/glossary.md
// shows the same tables beside the English.

namespace velmora {

extern const Glossary kKannadaGlossary;

const Glossary kKannadaGlossary = {
    Language::Kannada,
    // The twelve signs, Aries … Pisces. Source: PyJHora, src/jhora/lang/list_values_ka.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"ಮೇಷ", "ವೃಷಭ", "ಮಿಥುನ", "ಕರ್ಕ", "ಸಿಂಹ", "ಕನ್ಯಾ", "ತುಲಾ", "ವೃಶ್ಚಿಕ", "ಧನು", "ಮಕರ", "ಕುಂಭ", "ಮೀನ"},
    // The signs where a cell is narrow and in the position texts. Source: the Sanskrit term in the script,
    // written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"ಮೇಷ", "ವೃಷ", "ಮಿಥು", "ಕರ್ಕ", "ಸಿಂಹ", "ಕನ್ಯಾ", "ತುಲಾ", "ವೃಶ್ಚಿ", "ಧನು", "ಮಕರ", "ಕುಂಭ", "ಮೀನ"},
    // The ten points as the chart writes them, Sun … ascendant (Velmora's order: Sun, Moon, Mercury,
    // Venus, Mars, Jupiter, Saturn, Rahu, Ketu). Source: PyJHora, src/jhora/lang/list_values_ka.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's dasha list writes Rahu ರಾಗು: taken as ರಾಹು, as its planet list does.
    {"ಸೂರ್ಯ", "ಚಂದ್ರ", "ಬುಧ", "ಶುಕ್ರ", "ಮಂಗಳ", "ಗುರು", "ಶನಿ", "ರಾಹು", "ಕೇತು", "ಲಗ್ನ"},
    // The ten points as a sentence says them. Source: PyJHora, src/jhora/lang/list_values_ka.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"ಸೂರ್ಯ", "ಚಂದ್ರ", "ಬುಧ", "ಶುಕ್ರ", "ಮಂಗಳ", "ಗುರು", "ಶನಿ", "ರಾಹು", "ಕೇತು", "ಲಗ್ನ"},
    // The ten points where a cell is narrow. Source: the Sanskrit term in the script, written for Velmora
    // (no published list checked; not yet reviewed by a native reader).
    {"ಸೂ", "ಚಂ", "ಬು", "ಶು", "ಮಂ", "ಗು", "ಶ", "ರಾ", "ಕೇ", "ಲ"},
    // The retrograde mark's letter (the first of vakri). Source: the Sanskrit term in the script, written
    // for Velmora (no published list checked; not yet reviewed by a native reader).
    "ವ",
    // The 27 nakshatras, Ashwini … Revati. Source: PyJHora, src/jhora/lang/list_values_ka.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's ಮಾಘ (the month) and ಶ್ರಾವಣ (the month) written as the nakshatras ಮಘಾ and ಶ್ರವಣ; ಪೂರ್ವಾಭದ್ರ
    // as ಪೂರ್ವಾಭಾದ್ರ.
    {"ಅಶ್ವಿನಿ", "ಭರಣಿ", "ಕೃತ್ತಿಕಾ", "ರೋಹಿಣಿ", "ಮೃಗಶೀರ್ಷ", "ಆರ್ದ್ರಾ", "ಪುನರ್ವಸು", "ಪುಷ್ಯ", "ಆಶ್ಲೇಷ", "ಮಘಾ", "ಪೂರ್ವ ಫಲ್ಗುಣಿ", "ಉತ್ತರ ಫಲ್ಗುಣಿ", "ಹಸ್ತ", "ಚಿತ್ರ", "ಸ್ವಾತಿ", "ವಿಶಾಖ", "ಅನುರಾಧಾ", "ಜ್ಯೇಷ್ಠ", "ಮೂಲ", "ಪೂರ್ವಾಷಾಢ", "ಉತ್ತರಾಷಾಢ", "ಶ್ರವಣ", "ಧನಿಷ್ಠ", "ಶತಭಿಷಾ", "ಪೂರ್ವಾಭಾದ್ರ", "ಉತ್ತರಾಭಾದ್ರ", "ರೇವತಿ"},
    // The fifteen tithis of a fortnight, Pratipada … Purnima. Source: PyJHora,
    // src/jhora/lang/list_values_ka.txt (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's ಷಷ್ಟಿ written ಷಷ್ಠಿ.
    {"ಪಾಡ್ಯ", "ಬಿದಿಗೆ", "ತದಿಗೆ", "ಚೌತಿ", "ಪಂಚಮಿ", "ಷಷ್ಠಿ", "ಸಪ್ತಮಿ", "ಅಷ್ಟಮಿ", "ನವಮಿ", "ದಶಮಿ", "ಏಕಾದಶಿ", "ದ್ವಾದಶಿ", "ತ್ರಯೋದಶಿ", "ಚತುರ್ದಶಿ", "ಹುಣ್ಣಿಮೆ"},
    // The new Moon (Amavasya). Source: PyJHora, src/jhora/lang/list_values_ka.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    "ಅಮಾವಾಸ್ಯೆ",
    // The bright and the dark fortnight. Source: PyJHora, src/jhora/lang/list_values_ka.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"ಶುಕ್ಲ", "ಕೃಷ್ಣ"},
    // The 27 yogas, Vishkambha … Vaidhriti. Source: the Sanskrit term in the script, written for Velmora
    // (no published list checked; not yet reviewed by a native reader).
    {"ವಿಷ್ಕಂಭ", "ಪ್ರೀತಿ", "ಆಯುಷ್ಮಾನ್", "ಸೌಭಾಗ್ಯ", "ಶೋಭನ", "ಅತಿಗಂಡ", "ಸುಕರ್ಮ", "ಧೃತಿ", "ಶೂಲ", "ಗಂಡ", "ವೃದ್ಧಿ", "ಧ್ರುವ", "ವ್ಯಾಘಾತ", "ಹರ್ಷಣ", "ವಜ್ರ", "ಸಿದ್ಧಿ", "ವ್ಯತೀಪಾತ", "ವರೀಯಾನ್", "ಪರಿಘ", "ಶಿವ", "ಸಿದ್ಧ", "ಸಾಧ್ಯ", "ಶುಭ", "ಶುಕ್ಲ", "ಬ್ರಹ್ಮ", "ಇಂದ್ರ", "ವೈಧೃತಿ"},
    // The seven moving karanas, Bava … Vishti. Source: PyJHora, src/jhora/lang/list_values_ka.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's list written in the Sanskrit forms (ಬಲವ, ವನಿಜ → ಬಾಲವ, ವಣಿಜ).
    {"ಬವ", "ಬಾಲವ", "ಕೌಲವ", "ತೈತಿಲ", "ಗರ", "ವಣಿಜ", "ವಿಷ್ಟಿ"},
    // The four fixed karanas: Kimstughna, Shakuni, Chatushpada, Naga. Source: the Sanskrit term in the
    // script, written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"ಕಿಂಸ್ತುಘ್ನ", "ಶಕುನಿ", "ಚತುಷ್ಪಾದ", "ನಾಗ"},
    // The weekdays from Sunday. Source: PyJHora, src/jhora/lang/list_values_ka.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"ಭಾನುವಾರ", "ಸೋಮವಾರ", "ಮಂಗಳವಾರ", "ಬುಧವಾರ", "ಗುರುವಾರ", "ಶುಕ್ರವಾರ", "ಶನಿವಾರ"},
    // The eight kootas, Varna … Nadi. Source: the Sanskrit term in the script, written for Velmora (no
    // published list checked; not yet reviewed by a native reader).
    {"ವರ್ಣ", "ವಶ್ಯ", "ತಾರಾ", "ಯೋನಿ", "ಗ್ರಹಮೈತ್ರಿ", "ಗಣ", "ಭಕೂಟ", "ನಾಡಿ"},
    // The dasha systems: Vimshottari, Yogini, Ashtottari, Chara, Narayana. Source: the Sanskrit term in
    // the script, written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"ವಿಂಶೋತ್ತರಿ", "ಯೋಗಿನಿ", "ಅಷ್ಟೋತ್ತರಿ", "ಚರ", "ನಾರಾಯಣ"},
    // The sixteen vargas, D1 Rasi … D60 Shashtiamsa. Source: the Sanskrit term in the script, written for
    // Velmora (no published list checked; not yet reviewed by a native reader).
    {"ರಾಶಿ", "ಹೋರಾ", "ದ್ರೇಕ್ಕಾಣ", "ಚತುರ್ಥಾಂಶ", "ಸಪ್ತಾಂಶ", "ನವಾಂಶ", "ದಶಾಂಶ", "ದ್ವಾದಶಾಂಶ", "ಷೋಡಶಾಂಶ", "ವಿಂಶಾಂಶ", "ಚತುರ್ವಿಂಶಾಂಶ", "ಸಪ್ತವಿಂಶಾಂಶ", "ತ್ರಿಂಶಾಂಶ", "ಖವೇದಾಂಶ", "ಅಕ್ಷವೇದಾಂಶ", "ಷಷ್ಟ್ಯಂಶ"},
    // The marriage match's reasons
    // The four varnas, Shudra, Vaishya, Kshatriya, Brahmin. Source: the Sanskrit term in the script, written for
    // Velmora (no published list has it; not yet reviewed by a native reader).
    {"ಶೂದ್ರ", "ವೈಶ್ಯ", "ಕ್ಷತ್ರಿಯ", "ಬ್ರಾಹ್ಮಣ"},
    // The five vashyas, Chatushpada, Manava, Jalachara, Vanachara, Keeta. Source: the Sanskrit term in the script,
    // written for Velmora (no published list has it; not yet reviewed by a native reader).
    {"ಚತುಷ್ಪಾದ", "ಮಾನವ", "ಜಲಚರ", "ವನಚರ", "ಕೀಟ"},
    // The fourteen yonis, Horse … Lion (in the order of analysis/GunaMilan.h). Source: the Sanskrit term in the
    // script, written for Velmora (no published list has it; not yet reviewed by a native reader).
    {"ಅಶ್ವ", "ಗಜ", "ಮೇಷ", "ಸರ್ಪ", "ಶ್ವಾನ", "ಮಾರ್ಜಾಲ", "ಮೂಷಕ", "ಗೋ", "ಮಹಿಷ", "ವ್ಯಾಘ್ರ", "ಮೃಗ", "ವಾನರ", "ನಕುಲ", "ಸಿಂಹ"},
    // The three ganas, Deva, Manushya, Rakshasa. Source: the Sanskrit term in the script, written for Velmora (no
    // published list has it; not yet reviewed by a native reader).
    {"ದೇವ", "ಮನುಷ್ಯ", "ರಾಕ್ಷಸ"},
    // The three nadis, Adi, Madhya, Antya. Source: the Sanskrit term in the script, written for Velmora (no
    // published list has it; not yet reviewed by a native reader).
    {"ಆದಿ", "ಮಧ್ಯ", "ಅಂತ್ಯ"},
    // The nine taras, Janma … Parama Mitra. Sources: ಜನ್ಮ, ಕ್ಷೇಮ, ಪ್ರತ್ಯಕ, ಸಾಧನ, ಮಿತ್ರ: PyJHora,
    // src/jhora/lang/msg_strings_ka.txt (github.com/naturalstupid/PyJHora, commit e20943c); ಸಂಪತ್, ವಿಪತ್, ವಧ, ಪರಮ
    // ಮಿತ್ರ: the Sanskrit term in the script, written for Velmora (no published list has it; not yet reviewed by a
    // native reader). PyJHora's Kannada taras have errors (ಸಂಪತ, ವಿಪಥ, ನೈಧಾನ, the fused ಪರಮಿತ್ರ): ಸಂಪತ್, ವಿಪತ್ and
    // ಪರಮ ಮಿತ್ರ are written from the Sanskrit, the seventh as Vadha (ವಧ) as the English names it.
    {"ಜನ್ಮ", "ಸಂಪತ್", "ವಿಪತ್", "ಕ್ಷೇಮ", "ಪ್ರತ್ಯಕ", "ಸಾಧನ", "ವಧ", "ಮಿತ್ರ", "ಪರಮ ಮಿತ್ರ"},
};

}  // namespace velmora
