#include "skeleton/PoseMath.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace posemath {

void ScaledSinCos(const float* degrees, const float* length, float* x, float* y, size_t count)
{
    size_t i = 0;
#if defined(__SSE2__)
    const __m128 limit = _mm_set1_ps(kFastLimit);
    const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 round = _mm_set1_ps(12582912.0f);
    for (; i + 4 <= count; i += 4) {
        const __m128 d = _mm_loadu_ps(degrees + i);
        // Any lane too large (or not a number) and the four go one by one.
        if (_mm_movemask_ps(_mm_cmplt_ps(_mm_and_ps(d, absMask), limit)) != 0xf) {
            for (size_t k = i; k < i + 4; ++k) {
                float s, c;
                SinCosDegrees(degrees[k], s, c);
                x[k] = c * length[k];
                y[k] = s * length[k];
            }
            continue;
        }
        const __m128 quarters = _mm_sub_ps(_mm_add_ps(_mm_mul_ps(d, _mm_set1_ps(1.0f / 90)), round), round);
        const __m128 r = _mm_mul_ps(_mm_sub_ps(d, _mm_mul_ps(quarters, _mm_set1_ps(90))),
                                    _mm_set1_ps(static_cast<float>(kRadiansPerDegree)));
        const __m128 z = _mm_mul_ps(r, r);
        __m128 s = _mm_add_ps(_mm_mul_ps(_mm_set1_ps(-1.9515295891e-4f), z), _mm_set1_ps(8.3321608736e-3f));
        s = _mm_sub_ps(_mm_mul_ps(s, z), _mm_set1_ps(1.6666654611e-1f));
        s = _mm_add_ps(_mm_mul_ps(_mm_mul_ps(s, z), r), r);
        __m128 c = _mm_sub_ps(_mm_mul_ps(_mm_set1_ps(2.443315711809948e-5f), z), _mm_set1_ps(1.388731625493765e-3f));
        c = _mm_add_ps(_mm_mul_ps(c, z), _mm_set1_ps(4.166664568298827e-2f));
        c = _mm_add_ps(_mm_sub_ps(_mm_mul_ps(_mm_mul_ps(c, z), z), _mm_mul_ps(_mm_set1_ps(0.5f), z)), _mm_set1_ps(1));

        const __m128i quadrant = _mm_cvttps_epi32(quarters);
        const __m128 odd = _mm_castsi128_ps(
            _mm_cmpeq_epi32(_mm_and_si128(quadrant, _mm_set1_epi32(1)), _mm_set1_epi32(1)));
        const __m128 sine0 = _mm_or_ps(_mm_and_ps(odd, c), _mm_andnot_ps(odd, s));
        const __m128 cosine0 = _mm_or_ps(_mm_and_ps(odd, s), _mm_andnot_ps(odd, c));
        // Sine is negative in quadrants 2 and 3, cosine in 1 and 2: the sign is bit 1 of q, q + 1.
        const __m128 sineSign = _mm_castsi128_ps(_mm_slli_epi32(_mm_and_si128(quadrant, _mm_set1_epi32(2)), 30));
        const __m128 cosineSign = _mm_castsi128_ps(
            _mm_slli_epi32(_mm_and_si128(_mm_add_epi32(quadrant, _mm_set1_epi32(1)), _mm_set1_epi32(2)), 30));
        const __m128 len = _mm_loadu_ps(length + i);
        _mm_storeu_ps(x + i, _mm_mul_ps(_mm_xor_ps(cosine0, cosineSign), len));
        _mm_storeu_ps(y + i, _mm_mul_ps(_mm_xor_ps(sine0, sineSign), len));
    }
#endif
    for (; i < count; ++i) {
        float s, c;
        SinCosDegrees(degrees[i], s, c);
        x[i] = c * length[i];
        y[i] = s * length[i];
    }
}

} // namespace posemath
