#include "presentation/YogaNames.h"

// The yogas' names in Telugu, by the catalogue's keys; their families and
// the twelve kinds of Kala Sarpa. A name without a note is PyJHora's, the
// words before योग/யோகம்/యోగం/ಯೋಗ in src/jhora/lang/yoga_msgs_te.json or
// raja_yoga_msgs_te.json, and the kinds its KALA_SARPA_LIST in
// msg_strings_te.txt (github.com/naturalstupid/PyJHora, commit e20943c).
// "Velmora's own" is the Sanskrit term written in the script for Velmora,
// where the list has no such name or has it wrong; no native reader has
// reviewed these yet. docs/glossary.md shows the same table beside the English.

namespace velmora {

namespace {

constexpr YogaNameRow kRows[] = {
    {"ruchaka", "రుచక"},
    {"bhadra", "భద్ర"},
    {"hamsa", "హంస"},
    {"malavya", "మాలవ్య"},
    {"sasa", "శశ"},
    {"sunapha", "సునఫా"},
    {"anapha", "అనఫా"},
    {"durudhara", "దురధర"},
    {"kemadruma", "కేమద్రుమ"},
    {"chandra_adhi", "అధి (చంద్రుని నుండి)"},  // Velmora's own
    {"gaja_kesari", "గజ కేసరి"},
    {"sakata", "శకట"},
    {"vasumati", "వసుమతి"},
    {"chandra_mangala", "చంద్ర మంగళ"},
    {"vesi", "వేసి"},
    {"vasi", "వోసి"},
    {"ubhayachari", "ఉభయచార"},
    {"budha_aditya", "బుధ ఆదిత్య"},  // Velmora's own
    {"rajju", "రజ్జు"},
    {"musala", "ముసల"},
    {"nala", "నల"},
    {"mala", "మాలా (సృక్)"},
    {"sarpa", "సర్ప"},
    {"gada", "గదా"},
    {"nabhasa_sakata", "శకట (నాభస)"},  // Velmora's own
    {"vihaga", "విహంగ (పక్షి)"},  // Velmora's own
    {"shringataka", "శృంగాటక"},
    {"hala", "హల"},
    {"vajra", "వజ్ర"},
    {"yava", "యవ"},
    {"kamala", "కమల (అబ్జ)"},  // Velmora's own
    {"vapi", "వాపి"},
    {"yupa", "యూప"},
    {"shara", "శర (ఇషు)"},
    {"shakti", "శక్తి"},
    {"danda", "దండ"},
    {"nauka", "నౌకా"},
    {"kuta", "కూట"},
    {"chhatra", "ఛత్ర"},
    {"chapa", "చాప (ధనుస్)"},  // Velmora's own
    {"ardha_chandra", "అర్ధ చంద్ర"},
    {"chakra", "చక్ర"},
    {"samudra", "సముద్ర"},
    {"vallaki", "వల్లకి (వీణా)"},
    {"dama", "దామ"},
    {"pasha", "పాశ"},
    {"kedara", "కేదార"},
    {"shula", "శూల"},
    {"yuga", "యుగ"},
    {"gola", "గోళ"},
    {"raja_1_5", "రాజ (1వ మరియు 5వ భావాధిపతులు)"},  // Velmora's own
    {"raja_1_9", "రాజ (1వ మరియు 9వ భావాధిపతులు)"},  // Velmora's own
    {"raja_4_5", "రాజ (4వ మరియు 5వ భావాధిపతులు)"},  // Velmora's own
    {"raja_4_9", "రాజ (4వ మరియు 9వ భావాధిపతులు)"},  // Velmora's own
    {"raja_7_5", "రాజ (7వ మరియు 5వ భావాధిపతులు)"},  // Velmora's own
    {"raja_7_9", "రాజ (7వ మరియు 9వ భావాధిపతులు)"},  // Velmora's own
    {"raja_10_5", "రాజ (10వ మరియు 5వ భావాధిపతులు)"},  // Velmora's own
    {"raja_10_9", "ధర్మ కర్మాధిపతి"},
    {"yogakaraka", "యోగకారకుడు"},  // Velmora's own
    {"neecha_bhanga", "నీచ భంగ రాజ"},
    {"dhana_1_2", "ధన (1వ మరియు 2వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_1_5", "ధన (1వ మరియు 5వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_1_9", "ధన (1వ మరియు 9వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_1_11", "ధన (1వ మరియు 11వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_2_5", "ధన (2వ మరియు 5వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_2_9", "ధన (2వ మరియు 9వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_2_11", "ధన (2వ మరియు 11వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_5_9", "ధన (5వ మరియు 9వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_5_11", "ధన (5వ మరియు 11వ భావాధిపతులు)"},  // Velmora's own
    {"dhana_9_11", "ధన (9వ మరియు 11వ భావాధిపతులు)"},  // Velmora's own
    {"harsha", "హర్ష (విపరీత రాజ)"},
    {"sarala", "సరళ (విపరీత రాజ)"},
    {"vimala", "విమల (విపరీత రాజ)"},
    {"maha_parivartana", "మహా పరివర్తన"},  // Velmora's own
    {"dainya_parivartana", "దైన్య పరివర్తన"},  // Velmora's own
    {"khala_parivartana", "ఖల పరివర్తన"},  // Velmora's own
    {"shubha", "శుభ"},
    {"ashubha", "అశుభ"},
    {"amala", "అమల"},
    {"parvata", "పర్వత"},
    {"kahala", "కాహళ"},
    {"chamara", "చామర"},
    {"sankha", "శంఖ"},
    {"bheri", "భేరి"},
    {"srinatha", "శ్రీనాథ"},
    {"sarada", "శారదా"},
    {"matsya", "మత్స్య"},
    {"kurma", "కూర్మ"},
    {"khadga", "ఖడ్గ"},
    {"lakshmi", "లక్ష్మీ"},
    {"kalanidhi", "కళానిధి"},
    {"hari", "హరి"},
    {"hara", "హర"},
    {"brahma", "బ్రహ్మ"},
    {"lagnadhi", "లగ్నాధి"},
    {"saraswati", "సరస్వతీ"},
    {"chatussagara", "చతుస్సాగర"},
    {"guru_mangala", "గురు మంగళ"},
    {"duryoga", "దుర్యోగం"},  // Velmora's own
    {"daridra", "దారిద్ర్య"},
};

static_assert(YogaNameRowsComplete(kRows), "each row has its key and its name, each key once");

}  // namespace

extern const YogaNameTable kTeluguYogaNames;

const YogaNameTable kTeluguYogaNames = {
    Language::Telugu,
    // The families, as YogaFamily lists them: Viparita Raja, Raja and Dhana PyJHora's words, as in
    // the yogas' names; the others Velmora's own.
    {"పంచ మహాపురుష", "చంద్ర", "సూర్య", "నాభస", "రాజ", "ధన", "విపరీత రాజ", "పరివర్తన", "ఇతర యోగాలు"},
    // The kinds of Kala Sarpa by Rahu's house, Ananta … Sheshanaga. Velmora's own: Kulika,
    // Shankhapala, Takshaka, Karkotaka, Shankhachuda, Ghataka, Vishadhara.
    {"అనంత", "కులిక", "వాసుకి", "శంఖపాల", "పద్మ", "మహాపద్మ", "తక్షక", "కర్కోటక", "శంఖచూడ", "ఘటక", "విషధర", "శేష నాగ"},
    kRows,
};

}  // namespace velmora
