# Sanitizer build variant (BNG_SANITIZE).
