#pragma once

// The ward's three doctors. The simulator's demo patients and the appointment editor share this one
// list, so a booking names a doctor the records already know, in the same order.
struct WardDoctor
{
    const char* nameEnglish;
    const char* nameChinese;
    const char* surnameEnglish;
};

inline constexpr int kWardDoctorCount = 3;

inline constexpr WardDoctor kWardDoctors[kWardDoctorCount] = {
    {"Lin Zhao", "赵琳", "Zhao"},
    {"Ming Zhou", "周明", "Zhou"},
    {"Jing Wu", "吴静", "Wu"},
};
