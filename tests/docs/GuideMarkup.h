// SPDX-License-Identifier: MIT
// Reads the machine-readable parts of the user guide's HTML pages: the
// worked examples (data- attributes of their tables) and the links.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace Lodema::guide {

using Attributes = std::map<std::string, std::string>;

// Every start tag `<tag ...class="cls"...>` in html, as its decoded attributes.
std::vector<Attributes> TagsWithClass(const std::string& html, const std::string& tag,
                                      const std::string& cls);

// Decodes the character references the pages use (&amp; &lt; &gt; &quot; &#39; &#xNN;).
std::string DecodeEntities(const std::string& text);

// Splits "a|b|c" into its parts; an empty text gives one empty part.
std::vector<std::string> Split(const std::string& text, char separator);

// The targets of every href= and src= attribute in html, in page order.
std::vector<std::string> LinkTargets(const std::string& html);

std::string ReadFile(const std::string& path);

}  // namespace Lodema::guide
