// SPDX-License-Identifier: GPL-3.0-or-later
// SVG pictures of a few bytes to a few tens of megabytes that keep a rasteriser busy for minutes
// or take it gigabytes: a circle drawn in dashes of a hundred-thousandth of a pixel, one path of
// 100,000 points, and a million circles. Made by the tests, never stored.
#pragma once

#include <string>
#include <utility>
#include <vector>

inline std::vector<std::pair<std::string, std::string>> pathologicalSvgs() {
    const std::string head = R"(<svg xmlns="http://www.w3.org/2000/svg" width="1000" )"
                             R"(height="1000" viewBox="0 0 1000 1000">)";
    std::string path = head + R"(<path fill="red" stroke="black" d="M0 0)";
    for (int i = 0; i < 100000; ++i) {
        path += " L" + std::to_string(i * 37 % 1000) + ' ' + std::to_string(i * 91 % 1000);
    }
    path += R"("/></svg>)";
    std::string shapes = head;
    shapes.reserve(32u << 20);
    for (int i = 0; i < 1000000; ++i) {
        shapes += R"(<circle cx=")" + std::to_string(i % 1000) + R"(" cy=")" +
                  std::to_string(i / 1000) + R"(" r="3"/>)";
    }
    shapes += "</svg>";
    return {
        {"dashes.svg", head + R"(<circle cx="500" cy="500" r="400" fill="none" stroke="#000" )"
                              R"(stroke-width="10" stroke-dasharray="0.00001"/></svg>)"},
        {"points.svg", std::move(path)},
        {"shapes.svg", std::move(shapes)},
    };
}
