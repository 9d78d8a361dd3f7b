"""One module a subject: the exercises' and cases' material and answers. Every module
here is loaded by generate.py; each registers its works with @exercise or @case."""
