#pragma once
// The one road by which a listing gets analysed: bytes read from a file or
// pasted, recognised, empty lines dropped when asked, analysed. Every reader
// (the program, every lumorca-cli subcommand, the benchmark, the fuzz target)
// goes through here, so they all see the same lines with the same numbers.
#include <filesystem>
#include <string>

#include "analyzer/Analysis.h"
#include "analyzer/ListingReader.h"

namespace lumorca {

// Where a listing comes from.
class ListingSource {
public:
    static ListingSource File(const std::string& fileName);
    // A path a narrow string cannot hold; errors name the file as `fileName`.
    static ListingSource File(std::filesystem::path path, std::string fileName);
    static ListingSource Pasted(std::string text);
    static ListingSource FileBytes(std::string bytes);  // a file's bytes already read

    bool IsPasted() const { return kind_ == Kind::Pasted; }
    const std::string& FileName() const { return name_; }
    const std::string& Bytes() const { return text_; }  // pasted text or bytes given

private:
    enum class Kind { File, FileBytes, Pasted };
    friend ListingLines ReadListing(const ListingSource& source, int language);

    Kind kind_ = Kind::File;
    std::filesystem::path path_;
    std::string name_;
    std::string text_;
};

struct LoadedListing {
    ListingLines Lines;  // as analysed: empty lines dropped when asked
    AnalysisResult Analysis;
};

// Reading and recognition. Throws EFileNotReadable or ENoCorvaneSource.
ListingLines ReadListing(const ListingSource& source, int language);

// Analysis of lines that ReadListing gave. Throws ENoCorvaneSource when the
// analysis finds no structure.
LoadedListing AnalyzeReadListing(ListingLines lines, const AnalysisSettings& settings,
                                 AnalysisObserver* observer = nullptr, TraceSink* trace = nullptr);

// Both, in one.
LoadedListing LoadListing(const ListingSource& source, const AnalysisSettings& settings,
                          AnalysisObserver* observer = nullptr, TraceSink* trace = nullptr);

}  // namespace lumorca
