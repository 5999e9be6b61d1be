#pragma once

#include <QString>
#include <string>

namespace quorvel::language {

// A statistic method's title in the interface language, from the context "Methods". A shredding
// method's title carries the formula the user set ("Метод шинковки 1: (n1+n2)/n3"), which is kept.
QString MethodTitleText(const std::string& title);

// A method as the method lists show it, "{ num } Числа тиража [ N ]", with the title and the
// group's name translated and the code and letters kept.
QString MethodListText(const std::string& listText);

}  // namespace quorvel::language
