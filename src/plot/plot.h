// The plot library: plot life cycle, subplots and their maps, drawing in
// user units and centimetres, plot attributes.
#pragma once

#include <cstdint>
#include <string>

void plinit(std::string& name, std::int32_t iopt);
void plend();
void newpage();
void splotattributes(std::int32_t inter);
void ssubplot(std::int32_t& isub, std::int32_t inter);
void splotscaling(std::int32_t inter);
void sus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, std::int32_t& ixy, std::int32_t inter);
