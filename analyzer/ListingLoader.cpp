#include "analyzer/ListingLoader.h"

#include <utility>

#include "analyzer/TextEncoding.h"

namespace lumorca {

ListingSource ListingSource::File(const std::string& fileName) {
    return File(FileNamePath(fileName), fileName);
}

ListingSource ListingSource::File(std::filesystem::path path, std::string fileName) {
    ListingSource source;
    source.kind_ = Kind::File;
    source.path_ = std::move(path);
    source.name_ = std::move(fileName);
    return source;
}

ListingSource ListingSource::Pasted(std::string text) {
    ListingSource source;
    source.kind_ = Kind::Pasted;
    source.text_ = std::move(text);
    return source;
}

ListingSource ListingSource::FileBytes(std::string bytes) {
    ListingSource source;
    source.kind_ = Kind::FileBytes;
    source.text_ = std::move(bytes);
    return source;
}

ListingLines ReadListing(const ListingSource& source, int language) {
    ListingLines lines;
    switch (source.kind_) {
        case ListingSource::Kind::File:
            lines = ReadListingFile(source.path_, source.name_, language);
            break;
        case ListingSource::Kind::FileBytes:
            lines = SplitFileText(source.text_);
            break;
        case ListingSource::Kind::Pasted:
            lines = SplitClipboardText(source.text_);
            break;
    }
    CheckCorvaneListing(lines, language);
    return lines;
}

LoadedListing AnalyzeReadListing(ListingLines lines, const AnalysisSettings& settings,
                                 AnalysisObserver* observer, TraceSink* trace) {
    LoadedListing loaded;
    loaded.Analysis = AnalyzeListing(lines, settings, observer, trace);
    if (loaded.Analysis.Empty()) throw ENoCorvaneSource(settings.Language);
    loaded.Lines = std::move(lines);
    return loaded;
}

LoadedListing LoadListing(const ListingSource& source, const AnalysisSettings& settings,
                          AnalysisObserver* observer, TraceSink* trace) {
    return AnalyzeReadListing(ReadListing(source, settings.Language), settings, observer, trace);
}

}  // namespace lumorca
