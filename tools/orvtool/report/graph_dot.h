// `orvtool graph`: a file's flow as Graphviz DOT. One node per entry (an event's Begin or Loop), the
// start and the end; an edge for each transition the state table holds, labelled with its events, and
// a dashed one where the events a state does not list run on to the next row.
#ifndef ORVTOOL_REPORT_GRAPH_DOT_H_
#define ORVTOOL_REPORT_GRAPH_DOT_H_

#include <string>

#include "play/flow.h"
#include "report/text_sink.h"

// `title` labels the graph, usually the file's name. Written a line at a time.
void WriteGraph(const OrvFlow& flow, const std::string& title, const TextSink& out);

#endif  // ORVTOOL_REPORT_GRAPH_DOT_H_
