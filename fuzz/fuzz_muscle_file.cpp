// The muscle strengths beside a case, read as the main window reads them:
// a refused text leaves the strengths alone, an accepted one writes back the
// same strengths and drives the muscle model without harm.
#include "FuzzSupport.h"

#include "model/MuscleFile.h"
#include "model/MuscleModel.h"

#include <cmath>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string casePath = Scratch().Write("fuzz.sd", data, 0);
    Scratch().Write("fuzz.sd.muscles", data, size);
    MuscleStrengths untouched;
    untouched.Set(Eye::one, Muscle::SO, 42);
    MuscleStrengths read = untouched;
    const CompensatoryHead untouchedHead = HeadPosture{1, 2, 3};
    CompensatoryHead head = untouchedHead;
    const MuscleFileResult result = LoadMuscleFile(casePath, read, head);
    FUZZ_CHECK(result.error != MuscleFileError::unreadable || size > kLargestMuscleFile);
    if (result.error != MuscleFileError::none) {
        FUZZ_CHECK(read == untouched && head == untouchedHead);
        return 0;
    }
    FUZZ_CHECK(!head || (std::abs(head->turn) <= kLargestHeadPosture && std::abs(head->tilt) <= kLargestHeadPosture &&
                         std::abs(head->chinUp) <= kLargestHeadPosture));
    MuscleStrengths again;
    CompensatoryHead headAgain;
    FUZZ_CHECK(DecodeMuscles(EncodeMuscles(read, head), again, headAgain).error == MuscleFileError::none &&
               again == read && headAgain == head);
    for (Eye fixing : {Eye::one, Eye::two}) {
        for (const EyeTurn& eye : MuscleDeviation(read, {20, -15}, fixing).eyes)
            FUZZ_CHECK(std::isfinite(eye.abduction) && std::isfinite(eye.elevation) && std::isfinite(eye.intorsion));
    }
    return 0;
}
