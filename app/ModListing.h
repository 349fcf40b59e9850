#pragma once

#include <iosfwd>
#include <string>

class CModReader;

// Where a stored name belongs in the catalogue: "skin image 12015.jpg",
// "sample slot 0 (tr808bd)", "demo song", or "not in the catalogue".
std::string DescribeCatalogueSlot(const std::string& storedName);

// A mod file as a mod artist wants to see it: the text record, every component
// with its size and catalogue slot, and the slots the mod leaves as they are.
void WriteModListing(const CModReader& reader, std::ostream& out);
