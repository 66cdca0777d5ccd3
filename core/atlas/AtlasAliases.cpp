#include "atlas/AtlasAliases.h"

#include <array>

namespace velmora {

namespace {

constexpr std::array<AtlasAlias, 42> kAliases = {{
    {"Bangalore", "Bengaluru", "IN"},
    {"Bombay", "Mumbai", "IN"},
    {"Calcutta", "Kolkata", "IN"},
    {"Madras", "Chennai", "IN"},
    {"Poona", "Pune", "IN"},
    {"Benares", "Varanasi", "IN"},
    {"Banaras", "Varanasi", "IN"},
    {"Baroda", "Vadodara", "IN"},
    {"Cawnpore", "Kanpur", "IN"},
    {"Thiruvananthapuram", "Trivandrum", "IN"},
    {"Calicut", "Kozhikode", "IN"},
    {"Mysuru", "Mysore", "IN"},
    {"Mangaluru", "Mangalore", "IN"},
    {"Belagavi", "Belgaum", "IN"},
    {"Gurugram", "Gurgaon", "IN"},
    {"Allahabad", "Prayagraj", "IN"},
    {"Pondicherry", "Puducherry", "IN"},
    {"Simla", "Shimla", "IN"},
    {"Cochin", "Kochi", "IN"},
    {"Ootacamund", "Ooty", "IN"},
    {"Dacca", "Dhaka", "BD"},
    {"Chattogram", "Chittagong", "BD"},
    {"Rangoon", "Yangon", "MM"},
    {"Peking", "Beijing", "CN"},
    {"Canton", "Guangzhou", "CN"},
    {"Nanking", "Nanjing", "CN"},
    {"Tientsin", "Tianjin", "CN"},
    {"Xiamen", "Amoy", "CN"},
    {"Saigon", "Ho Chi Minh City", "VN"},
    {"Leningrad", "Saint Petersburg", "RU"},
    {"Stalingrad", "Volgograd", "RU"},
    {"Sverdlovsk", "Yekaterinburg", "RU"},
    {"Constantinople", "Istanbul", "TR"},
    {"Smyrna", "Izmir", "TR"},
    {"Batavia", "Jakarta", "ID"},
    {"Salisbury", "Harare", "ZW"},
    {"Leopoldville", "Kinshasa", "CD"},
    {"Bytown", "Ottawa", "CA"},
    {"Edo", "Tokyo", "JP"},
    {"Kiev", "Kyiv", "UA"},
    {"Astana", "Nur-Sultan", "KZ"},  // the capital's name again since 2022
    {"Naypyidaw", "Nay Pyi Taw", "MM"},
}};

}  // namespace

std::span<const AtlasAlias> AtlasAliases() { return kAliases; }

}  // namespace velmora
