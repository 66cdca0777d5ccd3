#include "presentation/YogaNames.h"

// The yogas' names in Hindi, by the catalogue's keys; their families and
// the twelve kinds of Kala Sarpa. A name without a note is PyJHora's, the
// words before योग/யோகம்/యోగం/ಯೋಗ in src/jhora/lang/yoga_msgs_hi.json or
// raja_yoga_msgs_hi.json, and the kinds its KALA_SARPA_LIST in
// msg_strings_hi.txt (github.com/naturalstupid/PyJHora, commit e20943c).
// "Velmora's own" is the Sanskrit term written in the script for Velmora,
// where the list has no such name or has it wrong; no native reader has
// reviewed these yet. docs/glossary.md shows the same table beside the English.

namespace velmora {

namespace {

constexpr YogaNameRow kRows[] = {
    {"ruchaka", "रुचक"},
    {"bhadra", "भद्र"},  // PyJHora's भदद्र has a stray द; Velmora's own
    {"hamsa", "हंस"},
    {"malavya", "मालव्य"},
    {"sasa", "शश"},
    {"sunapha", "सुनफा"},
    {"anapha", "अनफा"},
    {"durudhara", "दुरधरा"},
    {"kemadruma", "केमद्रुम"},
    {"chandra_adhi", "अधि (चंद्रमा से)"},  // Velmora's own
    {"gaja_kesari", "गज केसरी"},
    {"sakata", "शकट"},
    {"vasumati", "वसुमति"},
    {"chandra_mangala", "चंद्र मंगल"},
    {"vesi", "वेसि"},
    {"vasi", "वोसि"},
    {"ubhayachari", "उभयाचार"},
    {"budha_aditya", "बुध आदित्य"},  // Velmora's own
    {"rajju", "रज्जु"},
    {"musala", "मुसल"},
    {"nala", "नल"},
    {"mala", "माला (सृक)"},
    {"sarpa", "सर्प"},
    {"gada", "गदा"},
    {"nabhasa_sakata", "शकट (नाभस)"},  // Velmora's own
    {"vihaga", "विहंग (पक्षी)"},  // Velmora's own
    {"shringataka", "शृंगाटक"},
    {"hala", "हल"},
    {"vajra", "वज्र"},
    {"yava", "यव"},
    {"kamala", "कमल (अब्ज)"},  // Velmora's own
    {"vapi", "वापी"},
    {"yupa", "यूप"},
    {"shara", "शर (इषु)"},
    {"shakti", "शक्ति"},
    {"danda", "दंड"},
    {"nauka", "नौका"},
    {"kuta", "कूट"},
    {"chhatra", "छत्र"},
    {"chapa", "चाप (धनुस्)"},  // Velmora's own
    {"ardha_chandra", "अर्ध चंद्र"},
    {"chakra", "चक्र"},
    {"samudra", "समुद्र"},
    {"vallaki", "वल्लकी (वीणा)"},
    {"dama", "दाम"},
    {"pasha", "पाश"},
    {"kedara", "केदार"},
    {"shula", "शूल"},
    {"yuga", "युग"},
    {"gola", "गोल"},
    {"raja_1_5", "राज (1वें और 5वें भाव के स्वामी)"},  // Velmora's own
    {"raja_1_9", "राज (1वें और 9वें भाव के स्वामी)"},  // Velmora's own
    {"raja_4_5", "राज (4वें और 5वें भाव के स्वामी)"},  // Velmora's own
    {"raja_4_9", "राज (4वें और 9वें भाव के स्वामी)"},  // Velmora's own
    {"raja_7_5", "राज (7वें और 5वें भाव के स्वामी)"},  // Velmora's own
    {"raja_7_9", "राज (7वें और 9वें भाव के स्वामी)"},  // Velmora's own
    {"raja_10_5", "राज (10वें और 5वें भाव के स्वामी)"},  // Velmora's own
    {"raja_10_9", "धर्म कर्माधिपति"},
    {"yogakaraka", "योगकारक"},  // Velmora's own
    {"neecha_bhanga", "नीच भंग राज"},  // PyJHora's नीचा: the Sanskrit compound is नीच; Velmora's own
    {"dhana_1_2", "धन (1वें और 2वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_1_5", "धन (1वें और 5वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_1_9", "धन (1वें और 9वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_1_11", "धन (1वें और 11वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_2_5", "धन (2वें और 5वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_2_9", "धन (2वें और 9वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_2_11", "धन (2वें और 11वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_5_9", "धन (5वें और 9वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_5_11", "धन (5वें और 11वें भाव के स्वामी)"},  // Velmora's own
    {"dhana_9_11", "धन (9वें और 11वें भाव के स्वामी)"},  // Velmora's own
    {"harsha", "हर्ष (विपरीत राज)"},
    {"sarala", "सरल (विपरीत राज)"},
    {"vimala", "विमल (विपरीत राज)"},
    {"maha_parivartana", "महा परिवर्तन"},  // Velmora's own
    {"dainya_parivartana", "दैन्य परिवर्तन"},  // Velmora's own
    {"khala_parivartana", "खल परिवर्तन"},  // Velmora's own
    {"shubha", "शुभ"},
    {"ashubha", "अशुभ"},
    {"amala", "अमल"},
    {"parvata", "पर्वत"},
    {"kahala", "काहल"},
    {"chamara", "चामर"},
    {"sankha", "शंख"},
    {"bheri", "भेरी"},
    {"srinatha", "श्रीनाथ"},
    {"sarada", "शारदा"},
    {"matsya", "मत्स्य"},
    {"kurma", "कूर्म"},
    {"khadga", "खड्ग"},
    {"lakshmi", "लक्ष्मी"},
    {"kalanidhi", "कलानिधि"},
    {"hari", "हरि"},
    {"hara", "हर"},
    {"brahma", "ब्रह्मा"},
    {"lagnadhi", "लग्नाधि"},
    {"saraswati", "सरस्वती"},
    {"chatussagara", "चतुसागर"},
    {"guru_mangala", "गुरु मंगल"},
    {"duryoga", "दुर्योग"},  // Velmora's own
    {"daridra", "दरिद्र"},
};

static_assert(YogaNameRowsComplete(kRows), "each row has its key and its name, each key once");

}  // namespace

extern const YogaNameTable kHindiYogaNames;

const YogaNameTable kHindiYogaNames = {
    Language::Hindi,
    // The families, as YogaFamily lists them: Viparita Raja, Raja and Dhana PyJHora's words, as in
    // the yogas' names; the others Velmora's own.
    {"पंच महापुरुष", "चंद्र", "सूर्य", "नाभस", "राज", "धन", "विपरीत राज", "परिवर्तन", "अन्य योग"},
    // The kinds of Kala Sarpa by Rahu's house, Ananta … Sheshanaga. Velmora's own: Shankhapala,
    // Karkotaka, Sheshanaga.
    {"अनंत", "कुलिक", "वासुकि", "शंखपाल", "पद्म", "महापद्म", "तक्षक", "कर्कोटक", "शंखचूड", "घटक", "विषधर", "शेषनाग"},
    kRows,
};

}  // namespace velmora
