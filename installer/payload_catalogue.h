#pragma once
// The nine files the installer carries, where each goes, and what the log says about each.
#include "installer/run_state.h"
#include "payload/payload_blocks.h"

struct CatalogueItem {
  PayloadId block;  // the size written is the block's own
  Text target;      // below the install root
  const char* successLine;
  const char* failureLine;
};

constexpr int kCatalogueItemCount = 9;
// Item 0 to 8 in extraction order, its target built from the run state's targets.
CatalogueItem CatalogueItemAt(const RunState& run, int index);
