#pragma once
// The pairing of lowest total cost as a maximum-weight perfect matching: one
// vertex per participant, an edge for every pair that is not blocked and,
// when the count is odd, one vertex more for the bye with an edge to every
// participant. Exact for any number of participants.

#include <cstdint>
#include <vector>

class CKostenModel;

// `uitloot[i]`: what the bye of participant i costs (not used for an even
// count). On success `indeling` holds register indices: pairs (0,1), (2,3), ...
// in the order of their first player, the bye last. False, with `indeling`
// empty, when there are no participants or every pairing holds a blocked pair.
bool MinimaleIndeling(const CKostenModel& model, const std::vector<int64_t>& uitloot,
                      std::vector<int>& indeling);
