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
    {"Trivandrum", "Thiruvananthapuram", "IN"},
    {"Calicut", "Kozhikode", "IN"},
    {"Mysuru", "Mysore", "IN"},
    {"Mangaluru", "Mangalore", "IN"},
    {"Belagavi", "Belgaum", "IN"},
    {"Gurugram", "Gurgaon", "IN"},
    {"Prayagraj", "Allahābād", "IN"},
    {"Pondicherry", "Puducherry", "IN"},
    {"Simla", "Shimla", "IN"},
    {"Kochi", "Cochin", "IN"},
    {"Ootacamund", "Ooty", "IN"},
    {"Dacca", "Dhaka", "BD"},
    {"Chittagong", "Chattogram", "BD"},
    {"Rangoon", "Yangon", "MM"},
    {"Peking", "Beijing", "CN"},
    {"Canton", "Guangzhou", "CN"},
    {"Nanking", "Nanjing", "CN"},
    {"Tientsin", "Tianjin", "CN"},
    {"Amoy", "Xiamen", "CN"},
    {"Saigon", "Ho Chi Minh City", "VN"},
    {"Leningrad", "Saint Petersburg", "RU"},
    {"Stalingrad", "Volgograd", "RU"},
    {"Sverdlovsk", "Yekaterinburg", "RU"},
    {"Constantinople", "Istanbul", "TR"},
    {"Smyrna", "İzmir", "TR"},
    {"Batavia", "Jakarta", "ID"},
    {"Salisbury", "Harare", "ZW"},
    {"Leopoldville", "Kinshasa", "CD"},
    {"Bytown", "Ottawa", "CA"},
    {"Edo", "Tokyo", "JP"},
    {"Kiev", "Kyiv", "UA"},
    {"Nur-Sultan", "Astana", "KZ"},  // the capital's name from 2019 to 2022
    {"Naypyidaw", "Nay Pyi Taw", "MM"},
}};

}  // namespace

std::span<const AtlasAlias> AtlasAliases() { return kAliases; }

}  // namespace velmora
