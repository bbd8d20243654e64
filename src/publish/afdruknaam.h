#pragma once
// The name under which a printed listing is offered as a file.

#include "base/datum.h"

#include <string>

// The name after the first head of `lijst`: "Stand na ronde 17 maart",
// "Beginstand", "Uitslagen 17 maart", "Uitslagen" before the first round;
// a listing that holds the pairing of the new round is "Indeling" and the
// day it is printed, `vandaag` ("Indeling 24 maart"); a listing without a
// known head is "Overzicht".
std::string AfdrukNaam(const std::string& lijst, const CDatum& vandaag);

// `naam` with every character that a file name cannot hold (on any of the
// usual systems) as '-'.
std::string BestandsNaamVan(std::string naam);
