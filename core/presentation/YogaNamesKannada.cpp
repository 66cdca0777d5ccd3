#include "presentation/YogaNames.h"

// The yogas' names in Kannada, by the catalogue's keys; their families and
// the twelve kinds of Kala Sarpa. A name without a note is PyJHora's, the
// words before योग/யோகம்/యోగం/ಯೋಗ in src/jhora/lang/yoga_msgs_ka.json or
// raja_yoga_msgs_ka.json, and the kinds its KALA_SARPA_LIST in
// msg_strings_ka.txt (github.com/naturalstupid/PyJHora, commit e20943c).
// "Velmora's own" is the Sanskrit term written in the script for Velmora,
// where the list has no such name or has it wrong; no native reader has
// reviewed these yet. docs/glossary.md shows the same table beside the English.
// PyJHora's Kannada list has its first yogas (Vesi … Ishu) in Telugu
// letters: those are its Telugu names written in Kannada letters.

namespace velmora {

namespace {

constexpr YogaNameRow kRows[] = {
    {"ruchaka", "ರುಚಕ"},  // PyJHora's Telugu in Kannada letters
    {"bhadra", "ಭದ್ರ"},  // PyJHora's Telugu in Kannada letters
    {"hamsa", "ಹಂಸ"},  // PyJHora's Telugu in Kannada letters
    {"malavya", "ಮಾಲವ್ಯ"},  // PyJHora's Telugu in Kannada letters
    {"sasa", "ಶಶ"},  // PyJHora's Telugu in Kannada letters
    {"sunapha", "ಸುನಫಾ"},  // PyJHora's Telugu in Kannada letters
    {"anapha", "ಅನಫಾ"},  // PyJHora's Telugu in Kannada letters
    {"durudhara", "ದುರಧರ"},  // PyJHora's Telugu in Kannada letters
    {"kemadruma", "ಕೇಮದ್ರುಮ"},  // PyJHora's Telugu in Kannada letters
    {"chandra_adhi", "ಅಧಿ (ಚಂದ್ರನಿಂದ)"},  // Velmora's own
    {"gaja_kesari", "ಗಜ ಕೇಸರಿ"},
    {"sakata", "ಶಕಟ"},  // PyJHora's Telugu in Kannada letters
    {"vasumati", "ವಸುಮತಿ"},
    {"chandra_mangala", "ಚಂದ್ರ ಮಂಗಳ"},  // PyJHora's Telugu in Kannada letters
    {"vesi", "ವೇಸಿ"},  // PyJHora's Telugu in Kannada letters
    {"vasi", "ವೋಸಿ"},  // PyJHora's Telugu in Kannada letters
    {"ubhayachari", "ಉಭಯಚಾರ"},  // PyJHora's Telugu in Kannada letters
    {"budha_aditya", "ಬುಧ ಆದಿತ್ಯ"},  // Velmora's own
    {"rajju", "ರಜ್ಜು"},  // PyJHora's Telugu in Kannada letters
    {"musala", "ಮುಸಲ"},  // PyJHora's Telugu in Kannada letters
    {"nala", "ನಲ"},  // PyJHora's Telugu in Kannada letters
    {"mala", "ಮಾಲಾ (ಸೃಕ್)"},  // PyJHora's Telugu in Kannada letters
    {"sarpa", "ಸರ್ಪ"},  // PyJHora's Telugu in Kannada letters
    {"gada", "ಗದಾ"},  // PyJHora's Telugu in Kannada letters
    {"nabhasa_sakata", "ಶಕಟ (ನಾಭಸ)"},  // Velmora's own
    {"vihaga", "ವಿಹಂಗ (ಪಕ್ಷಿ)"},  // Velmora's own
    {"shringataka", "ಶೃಂಗಾಟಕ"},  // PyJHora's Telugu in Kannada letters
    {"hala", "ಹಲ"},  // PyJHora's Telugu in Kannada letters
    {"vajra", "ವಜ್ರ"},  // PyJHora's Telugu in Kannada letters
    {"yava", "ಯವ"},  // PyJHora's Telugu in Kannada letters
    {"kamala", "ಕಮಲ (ಅಬ್ಜ)"},  // Velmora's own
    {"vapi", "ವಾಪಿ"},  // PyJHora's Telugu in Kannada letters
    {"yupa", "ಯೂಪ"},  // PyJHora's Telugu in Kannada letters
    {"shara", "ಶರ (ಇಷು)"},  // PyJHora's Telugu in Kannada letters
    {"shakti", "ಶಕ್ತಿ"},
    {"danda", "ದಂಡ"},
    {"nauka", "ನೌಕಾ"},
    {"kuta", "ಕೂಟ"},
    {"chhatra", "ಛತ್ರ"},
    {"chapa", "ಚಾಪ (ಧನುಸ್)"},  // Velmora's own
    {"ardha_chandra", "ಅರ್ಧ ಚಂದ್ರ"},
    {"chakra", "ಚಕ್ರ"},
    {"samudra", "ಸಮುದ್ರ"},
    {"vallaki", "ವಲ್ಲಕಿ (ವೀಣಾ)"},
    {"dama", "ದಾಮ"},
    {"pasha", "ಪಾಶ"},  // PyJHora's ಪಾಸ: the Sanskrit pasha has ಶ; Velmora's own
    {"kedara", "ಕೇದಾರ"},
    {"shula", "ಶೂಲ"},
    {"yuga", "ಯುಗ"},
    {"gola", "ಗೋಲ"},
    {"raja_1_5", "ರಾಜ (1ನೇ ಮತ್ತು 5ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"raja_1_9", "ರಾಜ (1ನೇ ಮತ್ತು 9ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"raja_4_5", "ರಾಜ (4ನೇ ಮತ್ತು 5ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"raja_4_9", "ರಾಜ (4ನೇ ಮತ್ತು 9ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"raja_7_5", "ರಾಜ (7ನೇ ಮತ್ತು 5ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"raja_7_9", "ರಾಜ (7ನೇ ಮತ್ತು 9ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"raja_10_5", "ರಾಜ (10ನೇ ಮತ್ತು 5ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"raja_10_9", "ಧರ್ಮ ಕರ್ಮಾಧಿಪತಿ"},
    {"yogakaraka", "ಯೋಗಕಾರಕ"},  // Velmora's own
    {"neecha_bhanga", "ನೀಚ ಭಂಗ ರಾಜ"},
    {"dhana_1_2", "ಧನ (1ನೇ ಮತ್ತು 2ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_1_5", "ಧನ (1ನೇ ಮತ್ತು 5ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_1_9", "ಧನ (1ನೇ ಮತ್ತು 9ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_1_11", "ಧನ (1ನೇ ಮತ್ತು 11ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_2_5", "ಧನ (2ನೇ ಮತ್ತು 5ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_2_9", "ಧನ (2ನೇ ಮತ್ತು 9ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_2_11", "ಧನ (2ನೇ ಮತ್ತು 11ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_5_9", "ಧನ (5ನೇ ಮತ್ತು 9ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_5_11", "ಧನ (5ನೇ ಮತ್ತು 11ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"dhana_9_11", "ಧನ (9ನೇ ಮತ್ತು 11ನೇ ಭಾವಾಧಿಪತಿಗಳು)"},  // Velmora's own
    {"harsha", "ಹರ್ಷ (ವಿಪರೀತ ರಾಜ)"},
    {"sarala", "ಸರಳ (ವಿಪರೀತ ರಾಜ)"},
    {"vimala", "ವಿಮಲ (ವಿಪರೀತ ರಾಜ)"},
    {"maha_parivartana", "ಮಹಾ ಪರಿವರ್ತನ"},  // Velmora's own
    {"dainya_parivartana", "ದೈನ್ಯ ಪರಿವರ್ತನ"},  // Velmora's own
    {"khala_parivartana", "ಖಲ ಪರಿವರ್ತನ"},  // Velmora's own
    {"shubha", "ಶುಭ"},
    {"ashubha", "ಅಶುಭ"},
    {"amala", "ಅಮಲ"},
    {"parvata", "ಪರ್ವತ"},
    {"kahala", "ಕಾಹಳ"},
    {"chamara", "ಚಾಮರ"},
    {"sankha", "ಶಂಖ"},
    {"bheri", "ಭೇರಿ"},
    {"srinatha", "ಶ್ರೀನಾಥ"},
    {"sarada", "ಶಾರದಾ"},
    {"matsya", "ಮತ್ಸ್ಯ"},
    {"kurma", "ಕೂರ್ಮ"},
    {"khadga", "ಖಡ್ಗ"},
    {"lakshmi", "ಲಕ್ಷ್ಮಿ"},
    {"kalanidhi", "ಕಳಾನಿಧಿ"},
    {"hari", "ಹರಿ"},
    {"hara", "ಹರ"},
    {"brahma", "ಬ್ರಹ್ಮ"},
    {"lagnadhi", "ಲಗ್ನಾಧಿ"},  // PyJHora's ಲಗ್ನಾದಿ: the Sanskrit adhi has ಧ; Velmora's own
    {"saraswati", "ಸರಸ್ವತಿ"},
    {"chatussagara", "ಚತುಸ್ಸಾಗರ"},
    {"guru_mangala", "ಗುರು ಮಂಗಳ"},
    {"duryoga", "ದುರ್ಯೋಗ"},  // Velmora's own
    {"daridra", "ದರಿದ್ರ"},
};

static_assert(YogaNameRowsComplete(kRows), "each row has its key and its name, each key once");

}  // namespace

extern const YogaNameTable kKannadaYogaNames;

const YogaNameTable kKannadaYogaNames = {
    Language::Kannada,
    // The families, as YogaFamily lists them: Viparita Raja, Raja and Dhana PyJHora's words, as in
    // the yogas' names; the others Velmora's own.
    {"ಪಂಚ ಮಹಾಪುರುಷ", "ಚಂದ್ರ", "ಸೂರ್ಯ", "ನಾಭಸ", "ರಾಜ", "ಧನ", "ವಿಪರೀತ ರಾಜ", "ಪರಿವರ್ತನ", "ಇತರ ಯೋಗಗಳು"},
    // The kinds of Kala Sarpa by Rahu's house, Ananta … Sheshanaga. Velmora's own: Kulika,
    // Shankhapala, Takshaka, Karkotaka, Shankhachuda, Ghataka, Vishadhara.
    {"ಅನಂತ", "ಕುಲಿಕ", "ವಾಸುಕಿ", "ಶಂಖಪಾಲ", "ಪದ್ಮ", "ಮಹಾಪದ್ಮ", "ತಕ್ಷಕ", "ಕರ್ಕೋಟಕ", "ಶಂಖಚೂಡ", "ಘಟಕ", "ವಿಷಧರ", "ಶೇಷ ನಾಗ"},
    kRows,
};

}  // namespace velmora
