// Hand-made files read as orvtool's commands read them, for the tests of what is made of their layout.
#ifndef ORVTOOL_TESTS_READ_ORV_H_
#define ORVTOOL_TESTS_READ_ORV_H_

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "orv_bytes.h"
#include "play/flow.h"
#include "read/byte_source.h"
#include "read/layout.h"
#include "report/graph_dot.h"
#include "report/text_sink.h"
#include "report/trace_text.h"

// As much of the layout as could be read, valid or not.
inline OrvLayout Layout(Bytes bytes) {
  MemorySource source(std::move(bytes));
  OrvLayout layout;
  std::string err;
  InspectOrv(&source, &layout, &err);
  return layout;
}

// The layout of a file that must be valid.
inline OrvLayout Checked(Bytes bytes) {
  MemorySource source(std::move(bytes));
  OrvLayout layout;
  std::string err;
  EXPECT_TRUE(InspectOrv(&source, &layout, &err)) << err;
  return layout;
}

// What trace prints of the file for the EVENT words.
inline std::string Trace(Bytes bytes, const std::vector<std::string>& words) {
  std::vector<TraceEvent> events;
  for (const std::string& word : words) {
    TraceEvent event;
    EXPECT_TRUE(ParseTraceEvent(word, &event)) << word;
    events.push_back(event);
  }
  const OrvLayout layout = Checked(std::move(bytes));
  std::string out;
  TraceOrv(OrvFlow(layout), events, AppendTo(&out));
  return out;
}

// What graph prints of a valid layout.
inline std::string Graph(const OrvLayout& layout, const std::string& title) {
  std::string dot;
  WriteGraph(OrvFlow(layout), title, AppendTo(&dot));
  return dot;
}

#endif  // ORVTOOL_TESTS_READ_ORV_H_
