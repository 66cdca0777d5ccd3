#include "presentation/Glossary.h"

// The chart's terms in Telugu. Each table names the list it comes from; a
// note says where this table departs from that list and why. docs/glossary.md
// shows the same tables beside the English.

namespace velmora {

extern const Glossary kTeluguGlossary;

const Glossary kTeluguGlossary = {
    Language::Telugu,
    // The twelve signs, Aries … Pisces. Source: Maitreya 8, po/te.po (github.com/martin-pe/maitreya8,
    // commit 549fec9).
    {"మేష", "వృషభ", "మిథున", "కర్కాటక", "సింహ", "కన్య", "తుల", "వృశ్చిక", "ధను", "మకర", "కుంభ", "మీన"},
    // The signs where a cell is narrow and in the position texts. Source: the Sanskrit term in the script,
    // written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"మేష", "వృష", "మిథు", "కర్కా", "సింహ", "కన్య", "తుల", "వృశ్చి", "ధను", "మకర", "కుంభ", "మీన"},
    // The ten points as the chart writes them, Sun … ascendant (Velmora's order: Sun, Moon, Mercury,
    // Venus, Mars, Jupiter, Saturn, Rahu, Ketu). Source: Maitreya 8, po/te.po (github.com/martin-
    // pe/maitreya8, commit 549fec9).
    {"రవి", "చంద్ర", "బుధ", "శుక్ర", "కుజ", "గురు", "శని", "రాహు", "కేతు", "లగ్నం"},
    // The ten points as a sentence says them. Source: Maitreya 8, po/te.po (github.com/martin-
    // pe/maitreya8, commit 549fec9).
    {"రవి", "చంద్ర", "బుధ", "శుక్ర", "కుజ", "గురు", "శని", "రాహు", "కేతు", "లగ్నం"},
    // The ten points where a cell is narrow. Source: the Sanskrit term in the script, written for Velmora
    // (no published list checked; not yet reviewed by a native reader).
    {"రవి", "చం", "బు", "శు", "కు", "గు", "శ", "రా", "కే", "ల"},
    // The retrograde mark's letter (the first of vakri). Source: the Sanskrit term in the script, written
    // for Velmora (no published list checked; not yet reviewed by a native reader).
    "వ",
    // The 27 nakshatras, Ashwini … Revati. Source: Maitreya 8, po/te.po (github.com/martin-pe/maitreya8,
    // commit 549fec9).
    // Maitreya's catalogue; where it leaves a name untranslated, PyJHora's list, whose పపుష్యమి doubles
    // the ప (taken as పుష్యమి). జ్యేష్ట of both written జ్యేష్ఠ.
    {"అశ్విని", "భరణి", "కృత్తిక", "రోహిణి", "మృగశిర", "ఆరుద్ర", "పునర్వసు", "పుష్యమి", "ఆశ్లేష", "మఖ", "పూర్వ ఫల్గుణి", "ఉత్తర ఫల్గుణి", "హస్త", "చిత్త", "స్వాతి", "విశాఖ", "అనురాధ", "జ్యేష్ఠ", "మూల", "పూర్వాషాఢ", "ఉత్తరాషాఢ", "శ్రవణం", "ధనిష్ఠ", "శతభిషం", "పూర్వాభాద్ర", "ఉత్తరాభాద్ర", "రేవతి"},
    // The fifteen tithis of a fortnight, Pratipada … Purnima. Source: PyJHora,
    // src/jhora/lang/list_values_te.txt (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's షష్టి and చతుర్ధశి written షష్ఠి and చతుర్దశి.
    {"పాడ్యమి", "విదియ", "తదియ", "చవితి", "పంచమి", "షష్ఠి", "సప్తమి", "అష్టమి", "నవమి", "దశమి", "ఏకాదశి", "ద్వాదశి", "త్రయోదశి", "చతుర్దశి", "పౌర్ణమి"},
    // The new Moon (Amavasya). Source: PyJHora, src/jhora/lang/list_values_te.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    "అమావాస్య",
    // The bright and the dark fortnight. Source: PyJHora, src/jhora/lang/list_values_te.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"శుక్ల", "కృష్ణ"},
    // The 27 yogas, Vishkambha … Vaidhriti. Source: PyJHora, src/jhora/lang/list_values_te.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's list with its misspellings put right (సూలా, హర్షనా, వ్రియానా, సుక్లా, ఇంద్రుడు → శూల,
    // హర్షణ, వరీయాన్, శుక్ల, ఇంద్ర).
    {"విష్కంభ", "ప్రీతి", "ఆయుష్మాన్", "సౌభాగ్య", "శోభన", "అతిగండ", "సుకర్మ", "ధృతి", "శూల", "గండ", "వృద్ధి", "ధ్రువ", "వ్యాఘాత", "హర్షణ", "వజ్ర", "సిద్ధి", "వ్యతీపాత", "వరీయాన్", "పరిఘ", "శివ", "సిద్ధ", "సాధ్య", "శుభ", "శుక్ల", "బ్రహ్మ", "ఇంద్ర", "వైధృతి"},
    // The seven moving karanas, Bava … Vishti. Source: PyJHora, src/jhora/lang/list_values_te.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    // PyJHora's list written in the Sanskrit forms (బావ, గార, వనిజ → బవ, గర, వణిజ).
    {"బవ", "బాలవ", "కౌలవ", "తైతిల", "గర", "వణిజ", "విష్టి"},
    // The four fixed karanas: Kimstughna, Shakuni, Chatushpada, Naga. Source: PyJHora,
    // src/jhora/lang/list_values_te.txt (github.com/naturalstupid/PyJHora, commit e20943c).
    {"కింస్తుఘ్న", "శకుని", "చతుష్పాద", "నాగ"},
    // The weekdays from Sunday. Source: PyJHora, src/jhora/lang/list_values_te.txt
    // (github.com/naturalstupid/PyJHora, commit e20943c).
    {"ఆదివారము", "సోమవారము", "మంగళవారము", "బుధవారము", "గురువారము", "శుక్రవారము", "శనివారము"},
    // The eight kootas, Varna … Nadi. Source: the Sanskrit term in the script, written for Velmora (no
    // published list checked; not yet reviewed by a native reader).
    {"వర్ణ", "వశ్య", "తార", "యోని", "గ్రహమైత్రి", "గణ", "భకూట", "నాడి"},
    // The dasha systems: Vimshottari, Yogini, Ashtottari, Chara, Narayana. Source: the Sanskrit term in
    // the script, written for Velmora (no published list checked; not yet reviewed by a native reader).
    {"వింశోత్తరి", "యోగిని", "అష్టోత్తరి", "చర", "నారాయణ"},
    // The sixteen vargas, D1 Rasi … D60 Shashtiamsa. Source: the Sanskrit term in the script, written for
    // Velmora (no published list checked; not yet reviewed by a native reader).
    {"రాశి", "హోర", "ద్రేక్కాణ", "చతుర్థాంశ", "సప్తాంశ", "నవాంశ", "దశాంశ", "ద్వాదశాంశ", "షోడశాంశ", "వింశాంశ", "చతుర్వింశాంశ", "సప్తవింశాంశ", "త్రింశాంశ", "ఖవేదాంశ", "అక్షవేదాంశ", "షష్ట్యంశ"},
    // The marriage match's reasons
    // The four varnas, Shudra, Vaishya, Kshatriya, Brahmin. Source: Maitreya 8, po/te.po (github.com/martin-
    // pe/maitreya8, commit 549fec9).
    {"శూద్ర", "వైశ్య", "క్షత్రియ", "బ్రాహ్మణ"},
    // The five vashyas, Chatushpada, Manava, Jalachara, Vanachara, Keeta. Source: the Sanskrit term in the script,
    // written for Velmora (no published list has it; not yet reviewed by a native reader).
    {"చతుష్పాద", "మానవ", "జలచర", "వనచర", "కీట"},
    // The fourteen yonis, Horse … Lion (in the order of analysis/GunaMilan.h). Source: Maitreya 8, po/te.po
    // (github.com/martin-pe/maitreya8, commit 549fec9). Maitreya's te.po names the third yoni Goat (అజ); it is the
    // Sheep of Velmora's English (Krittika and Pushya). Its nadis read ఆది (వాత) …: the names are taken without
    // the humour in brackets.
    {"అశ్వ", "గజ", "అజ", "సర్ప", "శ్వాన", "మార్జాల", "మూషక", "గో", "మహిష", "వ్యాఘ్ర", "మృగ", "వానర", "ముంగీస", "సింహ"},
    // The three ganas, Deva, Manushya, Rakshasa. Source: Maitreya 8, po/te.po (github.com/martin-pe/maitreya8,
    // commit 549fec9).
    {"దేవ", "మనుష్య", "రాక్షస"},
    // The three nadis, Adi, Madhya, Antya. Source: Maitreya 8, po/te.po (github.com/martin-pe/maitreya8, commit
    // 549fec9).
    {"ఆది", "మధ్య", "అంత్య"},
    // The nine taras, Janma … Parama Mitra. Source: Maitreya 8, po/te.po (github.com/martin-pe/maitreya8, commit
    // 549fec9). Maitreya's te.po writes Sadhaka సాధన, as PyJHora does; taken as published.
    {"జన్మ", "సంపత్", "విపత్", "క్షేమ", "ప్రత్యక్", "సాధన", "వధ", "మిత్ర", "పరమ మిత్ర"},
};

}  // namespace velmora
