// The virus uploader's list of viruses to pick from.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The virus uploader's list: the rows of its combo box, in the order they are added.
inline constexpr std::size_t kVirusCount = 109;
const std::array<std::string_view, kVirusCount>& VirusList();
