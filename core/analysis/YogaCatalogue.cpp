// The catalogue of yogas: one row a yoga, its rule in the file of its family
// (YogaRules.h). A new yoga is one row here and one rule function.

#include <array>

#include "analysis/YogaRules.h"

namespace velmora {

namespace {

constexpr YogaRule kYogas[] = {
    {"ruchaka", "Ruchaka", YogaFamily::Mahapurusha, "BPHS ch. 75; Phaladeepika ch. 6", &yoga::Ruchaka},
    {"bhadra", "Bhadra", YogaFamily::Mahapurusha, "BPHS ch. 75; Phaladeepika ch. 6", &yoga::Bhadra},
    {"hamsa", "Hamsa", YogaFamily::Mahapurusha, "BPHS ch. 75; Phaladeepika ch. 6", &yoga::Hamsa},
    {"malavya", "Malavya", YogaFamily::Mahapurusha, "BPHS ch. 75; Phaladeepika ch. 6", &yoga::Malavya},
    {"sasa", "Sasa", YogaFamily::Mahapurusha, "BPHS ch. 75; Phaladeepika ch. 6", &yoga::Sasa},
    {"sunapha", "Sunapha", YogaFamily::Lunar, "BPHS ch. 37; Saravali ch. 13", &yoga::Sunapha},
    {"anapha", "Anapha", YogaFamily::Lunar, "BPHS ch. 37; Saravali ch. 13", &yoga::Anapha},
    {"durudhara", "Durudhara", YogaFamily::Lunar, "BPHS ch. 37; Saravali ch. 13", &yoga::Durudhara},
    {"kemadruma", "Kemadruma", YogaFamily::Lunar, "BPHS ch. 37; Saravali ch. 13", &yoga::Kemadruma},
    {"chandra_adhi", "Adhi (from the Moon)", YogaFamily::Lunar, "BPHS ch. 37; Phaladeepika ch. 6", &yoga::ChandraAdhi},
    {"gaja_kesari", "Gaja Kesari", YogaFamily::Lunar, "BPHS ch. 36; Phaladeepika ch. 6", &yoga::GajaKesari},
    {"sakata", "Sakata", YogaFamily::Lunar, "Phaladeepika ch. 6", &yoga::Sakata},
    {"vasumati", "Vasumati", YogaFamily::Lunar, "Phaladeepika ch. 6", &yoga::Vasumati},
    {"chandra_mangala", "Chandra Mangala", YogaFamily::Lunar, "B. V. Raman, Three Hundred Important Combinations", &yoga::ChandraMangala},
    {"vesi", "Vesi", YogaFamily::Solar, "BPHS ch. 38", &yoga::Vesi},
    {"vasi", "Vasi", YogaFamily::Solar, "BPHS ch. 38", &yoga::Vasi},
    {"ubhayachari", "Ubhayachari", YogaFamily::Solar, "BPHS ch. 38", &yoga::Ubhayachari},
    {"budha_aditya", "Budha Aditya", YogaFamily::Solar, "B. V. Raman, Three Hundred Important Combinations", &yoga::BudhaAditya},
    {"rajju", "Rajju", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Rajju},
    {"musala", "Musala", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Musala},
    {"nala", "Nala", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Nala},
    {"mala", "Mala (Srik)", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Mala},
    {"sarpa", "Sarpa", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Sarpa},
    {"gada", "Gada", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Gada},
    {"nabhasa_sakata", "Sakata (Nabhasa)", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::NabhasaSakata},
    {"vihaga", "Vihaga (Pakshi)", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Vihaga},
    {"shringataka", "Shringataka", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Shringataka},
    {"hala", "Hala", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Hala},
    {"vajra", "Vajra", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Vajra},
    {"yava", "Yava", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Yava},
    {"kamala", "Kamala (Abja)", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Kamala},
    {"vapi", "Vapi", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Vapi},
    {"yupa", "Yupa", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Yupa},
    {"shara", "Shara (Ishu)", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Shara},
    {"shakti", "Shakti", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Shakti},
    {"danda", "Danda", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Danda},
    {"nauka", "Nauka", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Nauka},
    {"kuta", "Kuta", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Kuta},
    {"chhatra", "Chhatra", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Chhatra},
    {"chapa", "Chapa (Dhanus)", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Chapa},
    {"ardha_chandra", "Ardha Chandra", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::ArdhaChandra},
    {"chakra", "Chakra", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Chakra},
    {"samudra", "Samudra", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Samudra},
    {"vallaki", "Vallaki (Veena)", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Vallaki},
    {"dama", "Dama", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Dama},
    {"pasha", "Pasha", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Pasha},
    {"kedara", "Kedara", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Kedara},
    {"shula", "Shula", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Shula},
    {"yuga", "Yuga", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Yuga},
    {"gola", "Gola", YogaFamily::Nabhasa, "BPHS ch. 35", &yoga::Gola},
    {"raja_1_5", "Raja (lords of the 1st and 5th)", YogaFamily::Raja, "BPHS ch. 39", &yoga::Lords<1, 5>},
    {"raja_1_9", "Raja (lords of the 1st and 9th)", YogaFamily::Raja, "BPHS ch. 39", &yoga::Lords<1, 9>},
    {"raja_4_5", "Raja (lords of the 4th and 5th)", YogaFamily::Raja, "BPHS ch. 39", &yoga::Lords<4, 5>},
    {"raja_4_9", "Raja (lords of the 4th and 9th)", YogaFamily::Raja, "BPHS ch. 39", &yoga::Lords<4, 9>},
    {"raja_7_5", "Raja (lords of the 7th and 5th)", YogaFamily::Raja, "BPHS ch. 39", &yoga::Lords<7, 5>},
    {"raja_7_9", "Raja (lords of the 7th and 9th)", YogaFamily::Raja, "BPHS ch. 39", &yoga::Lords<7, 9>},
    {"raja_10_5", "Raja (lords of the 10th and 5th)", YogaFamily::Raja, "BPHS ch. 39", &yoga::Lords<10, 5>},
    {"raja_10_9", "Dharma Karmadhipati", YogaFamily::Raja, "BPHS ch. 39", &yoga::Lords<10, 9>},
    {"yogakaraka", "Yogakaraka", YogaFamily::Raja, "BPHS ch. 34", &yoga::Yogakaraka},
    {"neecha_bhanga", "Neecha Bhanga Raja", YogaFamily::Raja, "Phaladeepika ch. 7", &yoga::NeechaBhanga},
    {"dhana_1_2", "Dhana (lords of the 1st and 2nd)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<1, 2>},
    {"dhana_1_5", "Dhana (lords of the 1st and 5th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<1, 5>},
    {"dhana_1_9", "Dhana (lords of the 1st and 9th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<1, 9>},
    {"dhana_1_11", "Dhana (lords of the 1st and 11th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<1, 11>},
    {"dhana_2_5", "Dhana (lords of the 2nd and 5th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<2, 5>},
    {"dhana_2_9", "Dhana (lords of the 2nd and 9th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<2, 9>},
    {"dhana_2_11", "Dhana (lords of the 2nd and 11th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<2, 11>},
    {"dhana_5_9", "Dhana (lords of the 5th and 9th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<5, 9>},
    {"dhana_5_11", "Dhana (lords of the 5th and 11th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<5, 11>},
    {"dhana_9_11", "Dhana (lords of the 9th and 11th)", YogaFamily::Dhana, "BPHS ch. 41", &yoga::Lords<9, 11>},
    {"harsha", "Harsha (Viparita Raja)", YogaFamily::Viparita, "Phaladeepika ch. 6", &yoga::Harsha},
    {"sarala", "Sarala (Viparita Raja)", YogaFamily::Viparita, "Phaladeepika ch. 6", &yoga::Sarala},
    {"vimala", "Vimala (Viparita Raja)", YogaFamily::Viparita, "Phaladeepika ch. 6", &yoga::Vimala},
    {"maha_parivartana", "Maha Parivartana", YogaFamily::Parivartana, "Phaladeepika ch. 6", &yoga::MahaParivartana},
    {"dainya_parivartana", "Dainya Parivartana", YogaFamily::Parivartana, "Phaladeepika ch. 6", &yoga::DainyaParivartana},
    {"khala_parivartana", "Khala Parivartana", YogaFamily::Parivartana, "Phaladeepika ch. 6", &yoga::KhalaParivartana},
    {"shubha", "Shubha", YogaFamily::Other, "BPHS ch. 36", &yoga::Shubha},
    {"ashubha", "Ashubha", YogaFamily::Other, "BPHS ch. 36", &yoga::Ashubha},
    {"amala", "Amala", YogaFamily::Other, "BPHS ch. 36", &yoga::Amala},
    {"parvata", "Parvata", YogaFamily::Other, "BPHS ch. 36", &yoga::Parvata},
    {"kahala", "Kahala", YogaFamily::Other, "BPHS ch. 36", &yoga::Kahala},
    {"chamara", "Chamara", YogaFamily::Other, "BPHS ch. 36", &yoga::Chamara},
    {"sankha", "Sankha", YogaFamily::Other, "BPHS ch. 36", &yoga::Sankha},
    {"bheri", "Bheri", YogaFamily::Other, "BPHS ch. 36", &yoga::Bheri},
    {"srinatha", "Srinatha", YogaFamily::Other, "BPHS ch. 36", &yoga::Srinatha},
    {"sarada", "Sarada", YogaFamily::Other, "BPHS ch. 36", &yoga::Sarada},
    {"matsya", "Matsya", YogaFamily::Other, "BPHS ch. 36", &yoga::Matsya},
    {"kurma", "Kurma", YogaFamily::Other, "BPHS ch. 36", &yoga::Kurma},
    {"khadga", "Khadga", YogaFamily::Other, "BPHS ch. 36", &yoga::Khadga},
    {"lakshmi", "Lakshmi", YogaFamily::Other, "BPHS ch. 36", &yoga::Lakshmi},
    {"kalanidhi", "Kalanidhi", YogaFamily::Other, "BPHS ch. 36", &yoga::Kalanidhi},
    {"hari", "Hari", YogaFamily::Other, "BPHS ch. 36", &yoga::Hari},
    {"hara", "Hara", YogaFamily::Other, "BPHS ch. 36", &yoga::Hara},
    {"brahma", "Brahma", YogaFamily::Other, "BPHS ch. 36", &yoga::Brahma},
    {"lagnadhi", "Lagnadhi", YogaFamily::Other, "BPHS ch. 36", &yoga::Lagnadhi},
    {"saraswati", "Saraswati", YogaFamily::Other, "Phaladeepika ch. 6", &yoga::Saraswati},
    {"chatussagara", "Chatussagara", YogaFamily::Other, "B. V. Raman, Three Hundred Important Combinations", &yoga::Chatussagara},
    {"guru_mangala", "Guru Mangala", YogaFamily::Other, "B. V. Raman, Three Hundred Important Combinations", &yoga::GuruMangala},
    {"duryoga", "Duryoga", YogaFamily::Other, "Phaladeepika ch. 6", &yoga::Duryoga},
    {"daridra", "Daridra", YogaFamily::Other, "Phaladeepika ch. 6", &yoga::Daridra},
};

constexpr bool IdsUnique() {
    for (std::size_t i = 0; i < std::size(kYogas); ++i)
        for (std::size_t j = i + 1; j < std::size(kYogas); ++j)
            if (kYogas[i].id == kYogas[j].id) return false;
    return true;
}

constexpr bool IdsAreKeys() {
    for (const YogaRule& y : kYogas) {
        if (y.id.empty()) return false;
        for (const char ch : y.id)
            if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_')) return false;
    }
    return true;
}

// (Whether each row has its rule is the tests' to see, which run every rule:
// under the sanitizers a function's address is no constant to compare.)
constexpr bool EveryRowComplete() {
    for (const YogaRule& y : kYogas)
        if (y.name.empty() || y.source.empty()) return false;
    return true;
}

static_assert(std::size(kYogas) >= 100, "the catalogue holds at least a hundred yogas");
static_assert(IdsUnique(), "each yoga has its own key");
static_assert(IdsAreKeys(), "keys are lower-case words joined by _");
static_assert(EveryRowComplete(), "each yoga has a name and a source");

constexpr std::array<std::string_view, kYogaFamilyCount> kFamilyNames = {
    "Pancha Mahapurusha", "Chandra (the Moon's)", "Surya (the Sun's)", "Nabhasa", "Raja",
    "Dhana", "Viparita Raja", "Parivartana", "Other combinations"};

}  // namespace

std::string_view YogaFamilyName(YogaFamily family) { return kFamilyNames[static_cast<std::size_t>(family)]; }

std::span<const YogaRule> YogaCatalogue() { return kYogas; }

std::vector<YogaFound> YogasIn(const YogaChart& chart) {
    std::vector<YogaFound> found;
    for (std::size_t i = 0; i < std::size(kYogas); ++i) {
        const YogaHit hit = kYogas[i].rule(chart);
        if (hit.present) found.push_back({static_cast<int>(i), hit.planets});
    }
    return found;
}

}  // namespace velmora
