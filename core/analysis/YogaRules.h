#pragma once
// The rules of the yoga catalogue (Yogas.h), one function a yoga, in a file
// for each family: YogaRulesGraha.cpp (the five great persons, the Moon's
// and the Sun's yogas), YogaRulesNabhasa.cpp (the 32 Nabhasa yogas),
// YogaRulesLords.cpp (yogas of the houses' lords: Raja, Dhana, Viparita,
// exchanges, cancelled debilitation) and YogaRulesCombinations.cpp (the
// named combinations of BPHS ch. 36 and Phaladeepika ch. 6). Each rule's
// wording and source is above its function.

#include "analysis/Yogas.h"

namespace velmora::yoga {

// The five great persons (Pancha Mahapurusha).
YogaHit Ruchaka(const YogaChart&);
YogaHit Bhadra(const YogaChart&);
YogaHit Hamsa(const YogaChart&);
YogaHit Malavya(const YogaChart&);
YogaHit Sasa(const YogaChart&);

// The Moon's yogas.
YogaHit Sunapha(const YogaChart&);
YogaHit Anapha(const YogaChart&);
YogaHit Durudhara(const YogaChart&);
YogaHit Kemadruma(const YogaChart&);
YogaHit ChandraAdhi(const YogaChart&);
YogaHit GajaKesari(const YogaChart&);
YogaHit Sakata(const YogaChart&);
YogaHit Vasumati(const YogaChart&);
YogaHit ChandraMangala(const YogaChart&);

// The Sun's yogas.
YogaHit Vesi(const YogaChart&);
YogaHit Vasi(const YogaChart&);
YogaHit Ubhayachari(const YogaChart&);
YogaHit BudhaAditya(const YogaChart&);

// The Nabhasa yogas: Ashraya, Dala, Akriti, Sankhya.
YogaHit Rajju(const YogaChart&);
YogaHit Musala(const YogaChart&);
YogaHit Nala(const YogaChart&);
YogaHit Mala(const YogaChart&);
YogaHit Sarpa(const YogaChart&);
YogaHit Gada(const YogaChart&);
YogaHit NabhasaSakata(const YogaChart&);
YogaHit Vihaga(const YogaChart&);
YogaHit Shringataka(const YogaChart&);
YogaHit Hala(const YogaChart&);
YogaHit Vajra(const YogaChart&);
YogaHit Yava(const YogaChart&);
YogaHit Kamala(const YogaChart&);
YogaHit Vapi(const YogaChart&);
YogaHit Yupa(const YogaChart&);
YogaHit Shara(const YogaChart&);
YogaHit Shakti(const YogaChart&);
YogaHit Danda(const YogaChart&);
YogaHit Nauka(const YogaChart&);
YogaHit Kuta(const YogaChart&);
YogaHit Chhatra(const YogaChart&);
YogaHit Chapa(const YogaChart&);
YogaHit ArdhaChandra(const YogaChart&);
YogaHit Chakra(const YogaChart&);
YogaHit Samudra(const YogaChart&);
YogaHit Vallaki(const YogaChart&);
YogaHit Dama(const YogaChart&);
YogaHit Pasha(const YogaChart&);
YogaHit Kedara(const YogaChart&);
YogaHit Shula(const YogaChart&);
YogaHit Yuga(const YogaChart&);
YogaHit Gola(const YogaChart&);

// The lords of two houses associated (YogaChart::Associated), the lords
// being two different planets.
YogaHit LordsAssociated(const YogaChart&, int house, int otherHouse);
template <int House, int OtherHouse>
YogaHit Lords(const YogaChart& chart) {
    return LordsAssociated(chart, House, OtherHouse);
}
YogaHit Yogakaraka(const YogaChart&);
YogaHit Harsha(const YogaChart&);
YogaHit Sarala(const YogaChart&);
YogaHit Vimala(const YogaChart&);
YogaHit MahaParivartana(const YogaChart&);
YogaHit DainyaParivartana(const YogaChart&);
YogaHit KhalaParivartana(const YogaChart&);
YogaHit NeechaBhanga(const YogaChart&);
YogaHit Duryoga(const YogaChart&);
YogaHit Daridra(const YogaChart&);

// The named combinations.
YogaHit Shubha(const YogaChart&);
YogaHit Ashubha(const YogaChart&);
YogaHit Amala(const YogaChart&);
YogaHit Parvata(const YogaChart&);
YogaHit Kahala(const YogaChart&);
YogaHit Chamara(const YogaChart&);
YogaHit Sankha(const YogaChart&);
YogaHit Bheri(const YogaChart&);
YogaHit Srinatha(const YogaChart&);
YogaHit Sarada(const YogaChart&);
YogaHit Matsya(const YogaChart&);
YogaHit Kurma(const YogaChart&);
YogaHit Khadga(const YogaChart&);
YogaHit Lakshmi(const YogaChart&);
YogaHit Kalanidhi(const YogaChart&);
YogaHit Hari(const YogaChart&);
YogaHit Hara(const YogaChart&);
YogaHit Brahma(const YogaChart&);
YogaHit Lagnadhi(const YogaChart&);
YogaHit Saraswati(const YogaChart&);
YogaHit Chatussagara(const YogaChart&);
YogaHit GuruMangala(const YogaChart&);

}  // namespace velmora::yoga
