#pragma once
// THelpFile: the topics of a help file, by context number. The file is UTF-8 text:
//
//   # a comment line
//   [1000] Tip of the Day            a topic: its context number and title
//   A paragraph runs until a blank line.
//   - a bullet item
//   See {1001|more tips} for ...     a link to another topic
//
// Text before the first topic is ignored; a later topic with a number already used replaces
// nothing (the first one wins) and is reported by Load as an error.

#include "framework/system/Exceptions.h"

#include <map>

struct THelpTopic {
    int Context = 0;
    String Title;
    String Html; // the body as HTML, links as <a href="topic:N">
};

class THelpFile {
public:
    // Reads a file or Qt resource; false with error set when it cannot be read or parsed.
    bool Load(const String& fileName, String& error);
    // Parses text; false with error set ("line 12: ...") on a malformed heading.
    bool Parse(const String& text, String& error);

    const THelpTopic* Topic(int context) const;
    const std::map<int, THelpTopic>& Topics() const { return FTopics; }
    String FileName() const { return FFileName; }

private:
    std::map<int, THelpTopic> FTopics;
    String FFileName;
};
