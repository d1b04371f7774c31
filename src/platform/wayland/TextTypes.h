#pragma once
// Which of a clipboard offer's MIME types carries its text, and how our own
// offers are told from other programs' ones.
#include <string>
#include <vector>

namespace cvd::wayland {

// The text types read, best first: UTF-8 text, then X11's UTF-8 name, then
// plain text. Nothing else is ever read.
const std::vector<std::string>& ReadableTextTypes();
// The types our own offers carry: the readable ones, the older X11 names,
// and OwnOfferMarker().
std::vector<std::string> OfferedTextTypes();
// The first readable type `offered` has, or empty when it carries no text.
std::string ChooseTextType(const std::vector<std::string>& offered);
// A type only this program's offers carry (it names the process, so another
// copy's offer is not taken for ours).
const std::string& OwnOfferMarker();
bool OfferedByUs(const std::vector<std::string>& offered);

}  // namespace cvd::wayland
