#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// What an input broke: one line per property that did not hold. Empty when
/// the input passed every check.
using FuzzFindings = std::vector<std::string>;

/// The fuzz targets as plain functions: the libFuzzer programs and the corpus
/// replay in the test suite call the same code with the same bytes.
///
/// The INI engine: the input is a parameter file. It is parsed and put back
/// byte for byte, every key it holds is read at many buffer sizes (trimmed
/// and verbatim) and must be listed by the key listing as a read gives it,
/// and keys named after its own sections, keys and values are written in
/// both forms. Every write must read back as the private-profile rules say,
/// a repeated write must change nothing, only the written line may change,
/// the other keys must read as before, and the document must read the same
/// after a fresh parse of its bytes.
[[nodiscard]] FuzzFindings fuzzIniEngine(const std::uint8_t* data, std::size_t size);

/// The load path: the input is the card file E:\GSM\<model file> on test
/// drives C: and E: (the model is the one its file mark names, else TQ270).
/// The disk search loads or deletes it and SAVE writes it; afterwards the
/// card file and the backup copy are valid files of the model, a second
/// search and save changes nothing but values that still carried quotes,
/// and no file appears outside the two files the tool writes.
[[nodiscard]] FuzzFindings fuzzLoadPath(const std::uint8_t* data, std::size_t size);

/// For the libFuzzer programs: prints the findings and aborts when there
/// are any, so that libFuzzer keeps the input; 0 otherwise.
int stopOnFindings(const FuzzFindings& findings);
