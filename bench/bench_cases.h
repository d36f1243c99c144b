// The benchmark bodies, one per kind of work, each over one generated input.
// bench_main.cpp registers them for every shape and size, named
// KIND/SHAPE/SIZE, e.g. Parse/MainMenu/64K.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "menu_inputs.h"

namespace tessary::bench {

// The limit: one pass over the input's bytes, counting line breaks.
void lineScan(benchmark::State& state, Shape shape, size_t size);
// The parser with callbacks that accept everything and keep nothing.
void parse(benchmark::State& state, Shape shape, size_t size);
// LoadCodeIntoTree into a fresh MenuTree, as opening a document does. Also
// reports, from one load counted apart, the peak heap bytes of the load.
void load(benchmark::State& state, Shape shape, size_t size);
// GenerateMenuCode of the loaded tree; bytes are the bytes of the text written.
void generate(benchmark::State& state, Shape shape, size_t size);
// The preview's tree of entries for Windows, as Preview Menu builds it.
void preview(benchmark::State& state, Shape shape, size_t size);
// Load into a fresh tree and generate its code again, as a tab change there and back.
void roundTrip(benchmark::State& state, Shape shape, size_t size);

// An empty text when the input reads as its kind, else the parser's status.
std::string checkParse(Shape shape, const std::string& text);

// Checks every input before anything is measured: it reads as its kind, it
// loads, and the shapes in the writer's layout come back byte for byte. An
// empty text when all is well, else what failed.
std::string checkInputs();

}  // namespace tessary::bench
