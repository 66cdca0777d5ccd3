#include "presentation/YogaNames.h"

// The yogas' names in Tamil, by the catalogue's keys; their families and
// the twelve kinds of Kala Sarpa. A name without a note is PyJHora's, the
// words before योग/யோகம்/యోగం/ಯೋಗ in src/jhora/lang/yoga_msgs_ta.json or
// raja_yoga_msgs_ta.json, and the kinds its KALA_SARPA_LIST in
// msg_strings_ta.txt (github.com/naturalstupid/PyJHora, commit e20943c).
// "Velmora's own" is the Sanskrit term written in the script for Velmora,
// where the list has no such name or has it wrong; no native reader has
// reviewed these yet. docs/glossary.md shows the same table beside the English.

namespace velmora {

namespace {

constexpr YogaNameRow kRows[] = {
    {"ruchaka", "ருசக"},
    {"bhadra", "பத்ர"},
    {"hamsa", "ஹம்ச"},
    {"malavya", "மாளவ்ய"},
    {"sasa", "ஸஸ"},
    {"sunapha", "ஸுனபா"},
    {"anapha", "அனபா"},
    {"durudhara", "துரதரா"},
    {"kemadruma", "கேமதுரும"},
    {"chandra_adhi", "அதி (சந்திரனிலிருந்து)"},  // Velmora's own
    {"gaja_kesari", "கஜ கேஸரி"},
    {"sakata", "ஸகட"},
    {"vasumati", "வசுமதி"},
    {"chandra_mangala", "சந்திர மங்கள"},
    {"vesi", "வேஸீ"},
    {"vasi", "வோஸீ"},
    {"ubhayachari", "உபயசார"},
    {"budha_aditya", "புத ஆதித்ய"},  // Velmora's own
    {"rajju", "ரஜ்ஜு"},
    {"musala", "முஸல"},
    {"nala", "நள"},
    {"mala", "மாலா (ஸ்ரிக்)"},
    {"sarpa", "ஸர்ப்ப"},
    {"gada", "கதா"},
    {"nabhasa_sakata", "ஸகட (நாபஸ)"},  // Velmora's own
    {"vihaga", "விஹங்க (பட்சி)"},  // Velmora's own
    {"shringataka", "ஸ்ருங்காடக"},
    {"hala", "ஹல"},
    {"vajra", "வஜ்ர"},
    {"yava", "யவ"},
    {"kamala", "கமல (அப்ஜ)"},  // Velmora's own
    {"vapi", "வாபி"},
    {"yupa", "யூப"},
    {"shara", "ஸர (இஷு)"},
    {"shakti", "ஸக்தி"},
    {"danda", "தண்ட"},
    {"nauka", "நௌகா"},
    {"kuta", "கூட"},
    {"chhatra", "சத்ர"},
    {"chapa", "சாப (தனுஸ்)"},  // Velmora's own
    {"ardha_chandra", "அர்த்த சந்திர"},
    {"chakra", "சக்ர"},
    {"samudra", "ஸமுத்ர"},
    {"vallaki", "வல்லகி (வீணா)"},
    {"dama", "தாம"},
    {"pasha", "பாஸ"},
    {"kedara", "கேதார"},
    {"shula", "ஸூல"},
    {"yuga", "யுக"},
    {"gola", "கோள"},
    {"raja_1_5", "ராஜ (1-ஆம் மற்றும் 5-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"raja_1_9", "ராஜ (1-ஆம் மற்றும் 9-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"raja_4_5", "ராஜ (4-ஆம் மற்றும் 5-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"raja_4_9", "ராஜ (4-ஆம் மற்றும் 9-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"raja_7_5", "ராஜ (7-ஆம் மற்றும் 5-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"raja_7_9", "ராஜ (7-ஆம் மற்றும் 9-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"raja_10_5", "ராஜ (10-ஆம் மற்றும் 5-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"raja_10_9", "தர்ம கர்மாதிபதி"},
    {"yogakaraka", "யோககாரகன்"},  // Velmora's own
    {"neecha_bhanga", "நீச்ச பங்க ராஜ"},
    {"dhana_1_2", "தன (1-ஆம் மற்றும் 2-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_1_5", "தன (1-ஆம் மற்றும் 5-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_1_9", "தன (1-ஆம் மற்றும் 9-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_1_11", "தன (1-ஆம் மற்றும் 11-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_2_5", "தன (2-ஆம் மற்றும் 5-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_2_9", "தன (2-ஆம் மற்றும் 9-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_2_11", "தன (2-ஆம் மற்றும் 11-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_5_9", "தன (5-ஆம் மற்றும் 9-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_5_11", "தன (5-ஆம் மற்றும் 11-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"dhana_9_11", "தன (9-ஆம் மற்றும் 11-ஆம் பாவ அதிபதிகள்)"},  // Velmora's own
    {"harsha", "ஹர்ஷ (விபரீத ராஜ)"},
    {"sarala", "ஸரல (விபரீத ராஜ)"},
    {"vimala", "விமல (விபரீத ராஜ)"},
    {"maha_parivartana", "மகா பரிவர்த்தனை"},  // Velmora's own
    {"dainya_parivartana", "தைன்ய பரிவர்த்தனை"},  // Velmora's own
    {"khala_parivartana", "கல பரிவர்த்தனை"},  // Velmora's own
    {"shubha", "ஸுப"},
    {"ashubha", "அஸுப"},
    {"amala", "அமல"},
    {"parvata", "பர்வத"},
    {"kahala", "காஹள"},
    {"chamara", "சாமர"},
    {"sankha", "ஸங்க"},
    {"bheri", "பேரி"},
    {"srinatha", "ஸ்ரீநாத"},
    {"sarada", "ஸாரதா"},
    {"matsya", "மத்ஸ்ய"},  // PyJHora's மத்ஸய lacks the virama of ஸ்ய; Velmora's own
    {"kurma", "கூர்ம"},
    {"khadga", "கட்க"},
    {"lakshmi", "லட்சுமி"},
    {"kalanidhi", "கலாநிதி"},
    {"hari", "ஹரி"},
    {"hara", "ஹர"},
    {"brahma", "பிரம்மா"},
    {"lagnadhi", "லக்னாதி"},
    {"saraswati", "ஸரஸ்வதி"},
    {"chatussagara", "சதுஸ்ஸாகர"},
    {"guru_mangala", "குரு மங்கள"},
    {"duryoga", "துர்யோகம்"},  // Velmora's own
    {"daridra", "தரித்ர"},
};

static_assert(YogaNameRowsComplete(kRows), "each row has its key and its name, each key once");

}  // namespace

extern const YogaNameTable kTamilYogaNames;

const YogaNameTable kTamilYogaNames = {
    Language::Tamil,
    // The families, as YogaFamily lists them: Viparita Raja, Raja and Dhana PyJHora's words, as in
    // the yogas' names; the others Velmora's own.
    {"பஞ்ச மகாபுருஷ", "சந்திர", "சூரிய", "நாபஸ", "ராஜ", "தன", "விபரீத ராஜ", "பரிவர்த்தனை", "பிற யோகங்கள்"},
    // The kinds of Kala Sarpa by Rahu's house, Ananta … Sheshanaga. Velmora's own: Kulika,
    // Shankhapala, Vishadhara.
    {"அனந்த", "குலிக", "வாசுகி", "சங்கபால", "பத்ம", "மகாபத்ம", "தக்ஷக", "கார்கோடக", "சங்க சூட", "கடக", "விஷதர", "சேஷ நாக"},
    kRows,
};

}  // namespace velmora
